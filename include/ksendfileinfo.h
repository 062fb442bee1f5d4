#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

namespace Ky {

// One file of a send or export set.
struct KSendFileInfo
{
    QString path; // full path of the file in the output directory
    QString md5;  // 32 lower-case hex digits; also the base name of every generated file
};

using KSendFileList = QList<KSendFileInfo>;

} // namespace Ky

Q_DECLARE_METATYPE(Ky::KSendFileInfo)
