#include "kplaceholderwindow.h"

#include "kprompt.h"

#include <QIcon>
#include <QLabel>
#include <QScopedValueRollback>

namespace Ky {

KPlaceholderWindow* KPlaceholderWindow::instance_ = nullptr;

KPlaceholderWindow::KPlaceholderWindow()
{
    setWindowTitle(QStringLiteral("Kestrova"));
    setWindowIcon(QIcon(QStringLiteral(":/images/logo.png")));
    auto* logo = new QLabel(this);
    logo->setPixmap(QIcon(QStringLiteral(":/images/logo.png")).pixmap(96, 96));
    logo->setAlignment(Qt::AlignCenter);
    setCentralWidget(logo);
    resize(1024, 640);
}

KPlaceholderWindow::~KPlaceholderWindow() = default;

KPlaceholderWindow* KPlaceholderWindow::instance()
{
    if (!instance_) {
        instance_ = new KPlaceholderWindow;
        instance_->show();
    }
    return instance_;
}

void KPlaceholderWindow::Destroy()
{
    delete instance_;
    instance_ = nullptr;
}

void KPlaceholderWindow::handleMessage(const QString& message)
{
    Q_UNUSED(message)
    showNormal();
    raise();
    activateWindow();
    // The warning runs a nested event loop in which further starts' messages arrive; without
    // this, a burst of them would stack one box inside the other without bound.
    if (m_warningShown)
        return;
    const QScopedValueRollback<bool> showing(m_warningShown, true);
    Prompt::Warning(this, tr("Warning"), tr("%1 is running!").arg(QStringLiteral("Kestrova")));
}

} // namespace Ky
