#pragma once

#include <QMainWindow>

namespace Ky {

// Stands in for the workbench until it exists: a plain main window that answers a second
// start by telling the operator and coming to the front.
class KPlaceholderWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Creates and shows the window on the first call.
    static KPlaceholderWindow* instance();
    static void Destroy();

public Q_SLOTS:
    void handleMessage(const QString& message);

private:
    KPlaceholderWindow();
    ~KPlaceholderWindow() override;

    bool m_warningShown = false;

    static KPlaceholderWindow* instance_;
};

} // namespace Ky
