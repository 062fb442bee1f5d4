#pragma once

#include "kcore_global.h"

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QSpinBox;

namespace Ky {

// An IPv4 address editor: four number fields 0 to 255 separated by dots. Typing moves on to
// the next field once a further digit could not fit, or on ".".
class KCORE_EXPORT IpAddressWidget : public QWidget
{
    Q_OBJECT
public:
    explicit IpAddressWidget(QWidget* parent = nullptr);
    ~IpAddressWidget() override;

    void setText(const QString& text);
    QString text() const;
    QString GetIpAddressString() const { return text(); }
    void SetSeparator(const QString& separator);
    void setReadOnly(bool readOnly);

Q_SIGNALS:
    void editingFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSpinBox* m_fields[4];
    QLabel* m_dots[3];
    QHBoxLayout* m_layout;
    QString m_separator = QStringLiteral(".");
};

} // namespace Ky
