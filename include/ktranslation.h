#pragma once

#include "kcore_global.h"
#include "klang.h"

#include <QList>
#include <QObject>

class QTranslator;

namespace Ky {

// The process-wide translation service: the interface languages, the current one, and the
// texts of device result codes.
class KCORE_EXPORT KTranslation : public QObject
{
    Q_OBJECT
public:
    static KTranslation* instance();
    static void Destroy();

    QList<KLang>* languages() { return &m_languages; }
    QString language() const { return m_language; }
    KLang SelectLanguages() const { return m_selected; }
    void set_language(const QString& name);

    QString translate(const char* context, const char* source) const;
    QString translate(const char* context, const QString& source) const;
    // The user text of a device operation's result code; empty for unknown codes.
    QString translateFromErrorCode(int code) const;

Q_SIGNALS:
    void LanguageChanged();

protected:
    KTranslation();
    ~KTranslation() override;

private:
    KLang m_selected;
    QString m_language;
    QList<KLang> m_languages;
    QTranslator* m_translator = nullptr;

    static KTranslation* instance_;
};

} // namespace Ky
