#include "gui/ui/ox_table_model.h"

namespace quintaro {

int OxTableModel::ColumnOfField(const QString& field) const {
    for (int column = 0; column < columnCount(); ++column)
        if (FieldName(column) == field)
            return column;
    return -1;
}

} // namespace quintaro
