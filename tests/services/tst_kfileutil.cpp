#include "kdigestcopy.h"
#include "kfileutil.h"
#include "ktestmain.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace Ky;

namespace {

bool WriteAll(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

class TestKFileUtil : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void removeDirectoryTree();
    void removeDirectoryRefuses_data();
    void removeDirectoryRefuses();
    void digestNames_data();
    void digestNames();
    void digestKeepsExistingFile();
    void digestOfMissingSource();
};

void TestKFileUtil::removeDirectoryTree()
{
    QTemporaryDir root;
    const QString dir = root.filePath(QStringLiteral("set"));
    QVERIFY(QDir().mkpath(dir + QStringLiteral("/a/b/.hidden")));
    QVERIFY(WriteAll(dir + QStringLiteral("/a/b/.hidden/f"), "x"));
    QVERIFY(WriteAll(dir + QStringLiteral("/.dot"), "x"));
    // Links inside are removed, never followed.
    const QString outside = root.filePath(QStringLiteral("outside"));
    QVERIFY(QDir().mkpath(outside));
    QVERIFY(WriteAll(outside + QStringLiteral("/keep"), "keep"));
    QVERIFY(QFile::link(outside, dir + QStringLiteral("/a/link")));
    QVERIFY(QFile::link(outside + QStringLiteral("/keep"), dir + QStringLiteral("/filelink")));

    QVERIFY(removeDirectory(dir));
    QVERIFY(!QFileInfo::exists(dir));
    QVERIFY(QFileInfo::exists(outside + QStringLiteral("/keep")));
}

void TestKFileUtil::removeDirectoryRefuses_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing") << QStringLiteral("missing");
    QTest::newRow("a file") << QStringLiteral("file");
    QTest::newRow("empty path, the working directory") << QString();
    QTest::newRow("file-system root") << QStringLiteral("/");
}

void TestKFileUtil::removeDirectoryRefuses()
{
    QFETCH(QString, path);
    QTemporaryDir root;
    QVERIFY(WriteAll(root.filePath(QStringLiteral("file")), "x"));
    const QString cwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root.path()));
    const bool removed = removeDirectory(path);
    QDir::setCurrent(cwd);
    QVERIFY(!removed);
    QVERIFY(QFileInfo::exists(root.filePath(QStringLiteral("file"))));
}

void TestKFileUtil::digestNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("suffix"); // of the copy; empty: no dot
    QTest::newRow("empty picture") << QStringLiteral("empty.png") << QByteArray() << "png";
    QTest::newRow("last suffix counts") << QStringLiteral("clip.tar.gz") << QByteArray("abc") << "gz";
    QTest::newRow("no suffix") << QStringLiteral("README") << QByteArray("abc") << "";
    // Larger than the copy buffer, so the digest spans several reads.
    QByteArray big(3 * 1024 * 1024 + 17, Qt::Uninitialized);
    for (int i = 0; i < big.size(); ++i)
        big[i] = char(i * 7 + i / 1024);
    QTest::newRow("several buffers") << QStringLiteral("big.bin") << big << "bin";
}

void TestKFileUtil::digestNames()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, suffix);
    QTemporaryDir root;
    const QString source = root.filePath(name);
    QVERIFY(WriteAll(source, content));
    const QString out = root.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(out));

    KSendFileInfo info;
    QVERIFY(CopyUnderDigest(source, out, &info));
    const QString digest =
        QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex());
    QCOMPARE(info.md5, digest);
    QCOMPARE(info.path, out + u'/' + digest + (suffix.isEmpty() ? QString() : u'.' + suffix));
    QFile copy(info.path);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), content);
    // Nothing else is left behind.
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestKFileUtil::digestKeepsExistingFile()
{
    QTemporaryDir root;
    const QString source = root.filePath(QStringLiteral("a.png"));
    QVERIFY(WriteAll(source, QByteArray()));
    const QString existing = root.filePath(QStringLiteral("d41d8cd98f00b204e9800998ecf8427e.png"));
    QVERIFY(WriteAll(existing, "already there"));
    KSendFileInfo info;
    QVERIFY(CopyUnderDigest(source, root.path() + u'/', &info));
    QCOMPARE(info.path, existing);
    QCOMPARE(info.md5, QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
    QFile kept(existing);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("already there"));
    QCOMPARE(QDir(root.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestKFileUtil::digestOfMissingSource()
{
    QTemporaryDir root;
    KSendFileInfo info{QStringLiteral("untouched"), QString()};
    QVERIFY(!CopyUnderDigest(root.filePath(QStringLiteral("missing.png")), root.path(), &info));
    QCOMPARE(info.path, QStringLiteral("untouched"));
    QVERIFY(QDir(root.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    // A directory that does not exist: nothing can be written.
    QVERIFY(WriteAll(root.filePath(QStringLiteral("a.png")), "x"));
    QVERIFY(!CopyUnderDigest(root.filePath(QStringLiteral("a.png")),
                             root.filePath(QStringLiteral("no/dir")), &info));
}

KESTROVA_TEST_MAIN(TestKFileUtil)
#include "tst_kfileutil.moc"
