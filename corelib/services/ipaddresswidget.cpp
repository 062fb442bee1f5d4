#include "ipaddresswidget.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHostAddress>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>

namespace Ky {

IpAddressWidget::IpAddressWidget(QWidget* parent)
    : QWidget(parent)
    , m_layout(new QHBoxLayout(this))
{
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        auto* field = new QSpinBox(this);
        field->setRange(0, 255);
        field->setButtonSymbols(QAbstractSpinBox::NoButtons);
        field->setAlignment(Qt::AlignCenter);
        field->installEventFilter(this);
        connect(field, &QSpinBox::editingFinished, this, &IpAddressWidget::editingFinished);
        m_fields[i] = field;
        m_layout->addWidget(field);
        if (i < 3) {
            m_dots[i] = new QLabel(QStringLiteral("."), this);
            m_dots[i]->setAlignment(Qt::AlignCenter);
            m_layout->addWidget(m_dots[i]);
        }
    }
    setAutoFillBackground(true);
}

IpAddressWidget::~IpAddressWidget()
{
    // The fields outlive this part of the object: the base class deletes them and a focused
    // field then finishes editing. Nothing of theirs may reach this object any more.
    for (QSpinBox* field : m_fields) {
        field->removeEventFilter(this);
        disconnect(field, nullptr, this, nullptr);
    }
}

void IpAddressWidget::setText(const QString& text)
{
    QHostAddress address;
    quint32 value = 0;
    if (address.setAddress(text) && address.protocol() == QAbstractSocket::IPv4Protocol)
        value = address.toIPv4Address();
    for (int i = 0; i < 4; ++i)
        m_fields[i]->setValue(int((value >> (24 - 8 * i)) & 0xff));
}

QString IpAddressWidget::text() const
{
    QStringList parts;
    for (int i = 0; i < 4; ++i) {
        const QString part = m_fields[i]->text();
        if (i < 3 && part.isEmpty())
            return QString();
        parts.append(part);
    }
    return parts.join(m_separator);
}

void IpAddressWidget::SetSeparator(const QString& separator)
{
    m_separator = separator;
}

void IpAddressWidget::setReadOnly(bool readOnly)
{
    for (QSpinBox* field : m_fields)
        field->setReadOnly(readOnly);
}

bool IpAddressWidget::eventFilter(QObject* watched, QEvent* event)
{
    int index = -1;
    for (int i = 0; i < 4; ++i) {
        if (watched == m_fields[i])
            index = i;
    }
    if (index < 0)
        return QWidget::eventFilter(watched, event);
    QSpinBox* field = m_fields[index];
    switch (event->type()) {
    case QEvent::FocusIn:
        // Select after the focus change has settled, or the click would undo it.
        QTimer::singleShot(0, field, &QSpinBox::selectAll);
        break;
    case QEvent::KeyPress:
        if (!field->isReadOnly() && field->text() == QLatin1String("0")) {
            if (QLineEdit* edit = field->findChild<QLineEdit*>())
                edit->clear();
        }
        break;
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        // Only typing moves on: a digit that filled the field, or the dot itself.
        const QString typed = key->text();
        const bool dot = typed == QLatin1String(".");
        const bool digit = typed.size() == 1 && typed.at(0).isDigit();
        if (index < 3 && ((digit && field->value() >= 26) || dot))
            m_fields[index + 1]->setFocus();
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Ky
