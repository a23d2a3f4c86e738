#include "core/store/schema.h"

namespace quintaro {

const std::array<TlistBase, kSchemaSize> SchemaTables = {{
    {"listetirage", "table"},
    {"listejoker", "table"},
    {"listegain", "table"},
    {"listeboules", "table"},
    {"listetype", "table"},
    {"listegrille", "table"},
    {"stat", "table"},
}};

const std::array<std::string_view, kSchemaSize> SchemaStatements = {
    "CREATE TABLE listetirage (reftirage INTEGER PRIMARY KEY,date      REAL    NOT NULL,"
    "n_sem     INTEGER NOT NULL,n_tir     INTEGER NOT NULL,type      INTEGER NOT NULL,"
    "b1        INTEGER NOT NULL,b2        INTEGER NOT NULL,b3        INTEGER NOT NULL,"
    "b4        INTEGER NOT NULL,b5        INTEGER NOT NULL,b6        INTEGER NOT NULL,"
    "b7        INTEGER NOT NULL)",
    "CREATE TABLE listejoker (fkreftirage INTEGER    PRIMARY KEY,joker     varchar(7) NOT NULL,"
    "nbgagnant INTEGER NOT NULL)",
    "CREATE TABLE listegain (num            INTEGER NOT NULL,reftirage      INTEGER NOT NULL,"
    "gain           REAL    NOT NULL,nbgagnants     INTEGER NOT NULL,"
    "nbgagnantseuro INTEGER NOT NULL,constraint PK_LISTEGAIN primary key (NUM,REFTIRAGE))",
    "CREATE TABLE listeboules (num            INTEGER NOT NULL,reftirage      INTEGER NOT NULL,"
    "valeur         INTEGER NOT NULL,constraint PK_LISTEBOULES primary key  (NUM, REFTIRAGE))",
    "CREATE TABLE listetype (refType        INTEGER NOT NULL,libelle        VARCHAR(15))",
    "CREATE TABLE listegrille ( numgrille INTEGER NOT NULL,type INTEGER , boulle INTEGER NOT "
    "NULL,   constraint PK_listegrille primary key (numgrille,boulle,type))",
    "CREATE TABLE stat ( type INTEGER NOT NULL , boule INTEGER NOT NULL, nbSortie INTEGER NOT "
    "NULL, pourcentage REAL NOT NULL, Date REAL NOT NULL, Tir INTEGER NOT NULL, ecart INTEGER "
    "NOT NULL)",
};

const std::array<LookupIndex, 3> DrawLookupIndexes = {{
    {"listetirage_type_date",
     "create index if not exists listetirage_type_date on listetirage (type, date)", true},
    {"listegain_reftirage",
     "create index if not exists listegain_reftirage on listegain (reftirage)", false},
    {"listeboules_reftirage",
     "create index if not exists listeboules_reftirage on listeboules (reftirage)", false},
}};

} // namespace quintaro
