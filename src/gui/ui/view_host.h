#pragma once

#include <cstdint>

class QWidget;

namespace quintaro {

struct AppContext;
struct CurrentSettings;
class SettingsStore;

// What a view asks of the window that holds it: the data the program shares, and the help.
class ViewHost {
public:
    virtual ~ViewHost() = default;

    // The catalogue and the data store.
    virtual AppContext& App() = 0;
    virtual SettingsStore& Settings() = 0;
    // The settings the settings view hands over, read by the other views.
    virtual CurrentSettings& Current() = 0;
    // False after a failed start-up: there is no data to show, and the program is closing.
    virtual bool StartupSucceeded() const = 0;
    virtual void ShowHelpContext(int context) = 0;
    // The window that the views' dialogs belong to and centre on.
    virtual QWidget* DialogParent() = 0;
    // Brings the draws view to the front on a stored draw.
    virtual void ShowDraw(std::int32_t reference) = 0;
};

} // namespace quintaro
