#pragma once

#include "kcore_global.h"

#include <QStringList>
#include <QThread>

namespace Ky {

// Computes MD5 digests of one file or of a list of files on its own thread.
class KCORE_EXPORT CalculationFileMd5 : public QThread
{
    Q_OBJECT
public:
    explicit CalculationFileMd5(QObject* parent = nullptr);

    void SetCalculationFileName(const QString& name);
    void SetCalculationFileNames(const QStringList& names);

    // 32 lower-case hex digits; empty when the file cannot be read.
    static QString FileDigest(const QString& path);

Q_SIGNALS:
    void CalculationFileFinished(const QString& file, const QString& md5);
    void CalculationFileListFinished(const QStringList& md5s);

protected:
    void run() override;

private:
    QString m_name;
    QStringList m_names;
    bool m_single = true;
};

} // namespace Ky
