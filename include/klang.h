#pragma once

#include <QString>

namespace Ky {

// One interface language as "config.xml" lists it.
struct KLang
{
    QString name;         // display name; also the key a language is chosen by
    QString file;         // translation file, relative to the executable's directory
    QString nsisLanguage; // the installer's language code, matched at first start
};

} // namespace Ky
