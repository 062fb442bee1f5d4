#include "clirun.h"
#include "kgiffixture.h"
#include "ktestmain.h"
#include "scenerender.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <algorithm>
#include <limits>

using CliRun::Cli;
using CliRun::Result;

namespace {

QByteArray FileMd5(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex();
}

QJsonObject Info(const QString& project)
{
    const Result r = Cli({"info", "--json", project});
    return r.code == 0 ? QJsonDocument::fromJson(r.out).object() : QJsonObject();
}

QStringList Entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// A screen with a program, an area and an item of a kind no plug-in provides, with
// attribute values that need escaping.
const char* kProjectWithUnknownKind = R"(<?xml version="1.0" encoding="UTF-8"?>
<Node Level="1" Type="KY_Screen_Plugin">
 <Attribute Name="__NAME__">hand</Attribute>
 <Attribute Name="DeviceModel">Q742</Attribute>
 <Attribute Name="Width">64</Attribute><Attribute Name="Height">32</Attribute>
 <Node Level="2" Type="KY_OrdinaryScene_Plugin">
  <Attribute Name="__NAME__">a &lt;b&gt; &amp; "c"&#10;d</Attribute>
  <Node Level="3" Type="KY_Frame_Plugin">
   <Attribute Name="Width">64</Attribute><Attribute Name="Height">32</Attribute>
   <Node Level="4" Type="KY_Hologram_Plugin"><Attribute Name="Beam">7</Attribute></Node>
  </Node>
 </Node>
</Node>
)";

} // namespace

class TestCliProject : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newMakesScreenProgramAndArea_data();
    void newMakesScreenProgramAndArea();
    void newRefuses_data();
    void newRefuses();
    void generateWritesTheFilesItLists();
    void generateFailures_data();
    void generateFailures();
    void generateClearsForeignDirectoryOnlyWhenForced();
    void exportWritesAnEqualProject();
    void infoShowsUnknownKindsAndEscapes();
    void addRefusesWithoutChangingTheProject_data();
    void addRefusesWithoutChangingTheProject();
    void addPicturesThenGenerateAndSnapshot();
    void previewOfThreeAreasMidEffect();
    void snapshotFollowsTheGifFramesOnTheSteppedClock();
    void snapshotHasTheScreenSize();
    void snapshotRefuses_data();
    void snapshotRefuses();
    void help_data();
    void help();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString newProject(const QString& name);
    QString solidPicture(const QString& name, QColor colour, QSize size);
    QTemporaryDir m_dir;
};

QString TestCliProject::newProject(const QString& name)
{
    const QString file = path(name);
    const Result r = Cli({"new", "--model", "Q741", "--size", "128x64", "--force", file});
    return r.code == 0 ? file : QString();
}

void TestCliProject::newMakesScreenProgramAndArea_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("cascading") << "Q743"
                               << "256x128" << 256 << 128;
    QTest::newRow("single port") << "V7"
                                 << "64X32" << 64 << 32;
}

void TestCliProject::newMakesScreenProgramAndArea()
{
    QFETCH(QString, model);
    QFETCH(QString, size);
    QFETCH(int, width);
    QFETCH(int, height);
    const QString file = path(QStringLiteral("sign.%1.boo").arg(model));
    const Result r = Cli({"new", "--model", model, "--size", size, file});
    QCOMPARE(r.code, 0);

    const QJsonObject screen = Info(file);
    QCOMPARE(screen["type"].toString(), QStringLiteral("KY_Screen_Plugin"));
    QCOMPARE(screen["name"].toString(), QStringLiteral("sign.%1").arg(model));
    const QJsonObject attributes = screen["attributes"].toObject();
    QCOMPARE(attributes["DeviceModel"].toString(), model);
    QCOMPARE(attributes["Width"].toString().toInt(), width);
    QCOMPARE(attributes["Height"].toString().toInt(), height);

    const QJsonArray programs = screen["children"].toArray();
    QCOMPARE(programs.size(), 1);
    const QJsonObject program = programs.at(0).toObject();
    QCOMPARE(program["type"].toString(), QStringLiteral("KY_OrdinaryScene_Plugin"));
    QCOMPARE(program["name"].toString(), QStringLiteral("Program1"));
    const QJsonArray areas = program["children"].toArray();
    QCOMPARE(areas.size(), 1);
    const QJsonObject area = areas.at(0).toObject();
    QCOMPARE(area["type"].toString(), QStringLiteral("KY_Frame_Plugin"));
    QCOMPARE(area["name"].toString(), QStringLiteral("Area1"));
    // The new area fills the screen.
    QCOMPARE(area["attributes"].toObject()["Width"].toString().toInt(), width);
    QCOMPARE(area["attributes"].toObject()["Height"].toString().toInt(), height);
}

void TestCliProject::newRefuses_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("message");
    const QString file = QStringLiteral("@");
    QTest::newRow("unknown model") << QStringList{"--model", "Z9", "--size", "64x32", file} << 1
                                   << QByteArray("unknown controller model 'Z9'");
    QTest::newRow("size text") << QStringList{"--model", "V7", "--size", "64", file} << 2
                               << QByteArray("not a size");
    QTest::newRow("zero side") << QStringList{"--model", "V7", "--size", "0x32", file} << 2
                               << QByteArray("not a size");
    QTest::newRow("over the limit") << QStringList{"--model", "V7", "--size", "99999x10", file} << 1
                                    << QByteArray("V7 drives screens from");
    QTest::newRow("no file") << QStringList{"--model", "V7", "--size", "64x32"} << 2
                             << QByteArray("needs --model, --size and FILE");
    QTest::newRow("stray option") << QStringList{"--model", "V7",       "--size",
                                                 "64x32",   "--colour", file}
                                  << 2 << QByteArray("unexpected argument '--colour'");
    QTest::newRow("existing file") << QStringList{"--model", "V7", "--size", "64x32", "!"} << 1
                                   << QByteArray("exists; give --force");
    QTest::newRow("missing directory")
        << QStringList{"--model", "V7", "--size", "64x32", "nowhere/x.boo"} << 1
        << QByteArray("no such directory");
}

void TestCliProject::newRefuses()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QByteArray, message);
    // "@" stands for a fresh path, "!" for a file that exists and must survive.
    const QByteArray kept("not a project, but mine");
    for (QString& arg : args) {
        if (arg == QLatin1String("@")) {
            arg = path(QStringLiteral("refused.boo"));
        } else if (arg == QLatin1String("!")) {
            arg = path(QStringLiteral("kept.boo"));
            QFile f(arg);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(kept);
        } else if (arg.startsWith(QLatin1String("nowhere"))) {
            arg = path(arg);
        }
    }
    const Result r = Cli(QStringList{"new"} + args);
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(message), r.err.constData());
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("refused.boo"))));
    if (QFileInfo::exists(path(QStringLiteral("kept.boo")))) {
        QFile f(path(QStringLiteral("kept.boo")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), kept);
    }
}

void TestCliProject::generateWritesTheFilesItLists()
{
    const QString project = newProject(QStringLiteral("gen.boo"));
    QVERIFY(!project.isEmpty());
    const QString out = path(QStringLiteral("send"));
    const Result r = Cli({"generate", project, out});
    QCOMPARE(r.code, 0);

    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    // A project without media: the description and its copy under its digest.
    QCOMPARE(lines.size(), 1);
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        QCOMPARE(fields.size(), 2);
        const QString file = QString::fromUtf8(fields.at(0));
        QCOMPARE(FileMd5(file), fields.at(1));
        QCOMPARE(QFileInfo(file).completeBaseName().toUtf8(), fields.at(1));
        QCOMPARE(QFileInfo(file).absolutePath(), QFileInfo(out).absoluteFilePath());
    }
    const QString digest = QString::fromUtf8(lines.first().split(' ').at(1));
    QCOMPARE(Entries(out), (QStringList{digest + ".boo", "config.boo"}));
    QCOMPARE(FileMd5(QDir(out).filePath("config.boo")), digest.toUtf8());

    // Generating again into the same send directory replaces it.
    QCOMPARE(Cli({"generate", project, out}).code, 0);
    QCOMPARE(Entries(out).size(), 2);
}

void TestCliProject::generateFailures_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: the file does not exist
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("missing") << QByteArray() << QByteArray("no such file");
    QTest::newRow("garbage") << QByteArray::fromHex("0102fffe2067617262616765002001")
                             << QByteArray("cannot read the project");
    QTest::newRow("truncated") << QByteArray(
                                      "<?xml version=\"1.0\"?><Node Type=\"KY_Screen_Plugin\""
                                      " Level=\"1\"><Attribute Name=\"W")
                               << QByteArray("damaged");
    QTest::newRow("no screen") << QByteArray("<?xml version=\"1.0\"?><Node Type=\"KY_Frame_Plugin\""
                                             " Level=\"3\"/>")
                               << QByteArray("holds no screen");
}

void TestCliProject::generateFailures()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, message);
    const QString project = path(QStringLiteral("bad-%1.boo").arg(QTest::currentDataTag()));
    if (!content.isEmpty()) {
        QFile f(project);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    const QString out = path(QStringLiteral("bad-out"));
    const Result r = Cli({"generate", project, out});
    QVERIFY2(r.code != 0 && r.code != -1, r.err.constData());
    QVERIFY2(r.err.contains(message), r.err.constData());
    QVERIFY(r.out.isEmpty());
}

void TestCliProject::generateClearsForeignDirectoryOnlyWhenForced()
{
    const QString project = newProject(QStringLiteral("force.boo"));
    QVERIFY(!project.isEmpty());
    const QString out = path(QStringLiteral("foreign"));
    QVERIFY(QDir().mkpath(out));
    QFile precious(QDir(out).filePath("notes.txt"));
    QVERIFY(precious.open(QIODevice::WriteOnly));
    precious.close();

    Result r = Cli({"generate", project, out});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains("--force"));
    QVERIFY(precious.exists());

    r = Cli({"generate", "--force", project, out});
    QCOMPARE(r.code, 0);
    QVERIFY(!precious.exists());
    QVERIFY(Entries(out).contains("config.boo"));
}

void TestCliProject::exportWritesAnEqualProject()
{
    const QString project = newProject(QStringLiteral("exp.boo"));
    QVERIFY(!project.isEmpty());
    const QByteArray before = FileMd5(project);
    const QString out = path(QStringLiteral("exported/deeper"));
    const Result r = Cli({"export", project, out});
    QCOMPARE(r.code, 0);
    const QString copy = QDir(out).filePath("exp.boo");
    QCOMPARE(QString::fromUtf8(r.out.trimmed()), copy);
    // The same tree, marked as an exported copy whose media are not imported yet.
    QJsonObject expected = Info(project);
    QVERIFY(!expected.isEmpty());
    QJsonObject attributes = expected["attributes"].toObject();
    attributes["FileNotImport"] = "1";
    expected["attributes"] = attributes;
    QCOMPARE(Info(copy), expected);
    QCOMPARE(FileMd5(project), before);

    // Onto itself it would replace the project with its exported form.
    QCOMPARE(Cli({"export", project, m_dir.path()}).code, 1);
    QCOMPARE(FileMd5(project), before);
}

void TestCliProject::infoShowsUnknownKindsAndEscapes()
{
    const QString project = path(QStringLiteral("hand.boo"));
    QFile f(project);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(kProjectWithUnknownKind);
    f.close();

    const QJsonObject screen = Info(project);
    const QJsonObject program = screen["children"].toArray().at(0).toObject();
    QCOMPARE(program["name"].toString(), QStringLiteral("a <b> & \"c\"\nd"));
    const QJsonObject area = program["children"].toArray().at(0).toObject();
    const QJsonObject item = area["children"].toArray().at(0).toObject();
    QCOMPARE(item["type"].toString(), QStringLiteral("KY_Hologram_Plugin"));
    QCOMPARE(item["level"].toString(), QStringLiteral("content"));
    QCOMPARE(item["opaque"].toBool(), true);

    const Result text = Cli({"info", project});
    QCOMPARE(text.code, 0);
    // One line per value: the line break is written as an escape.
    QVERIFY2(text.out.contains("program KY_OrdinaryScene_Plugin \"a <b> & \\\"c\\\"\\nd\""),
             text.out.constData());
    QVERIFY(text.out.contains("content KY_Hologram_Plugin"));
    QVERIFY(text.out.contains("kind not installed"));
}

void TestCliProject::addRefusesWithoutChangingTheProject_data()
{
    QTest::addColumn<QString>("media");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("missing") << "absent.png" << QByteArray("no such file");
    QTest::newRow("no kind takes it") << "notes.txt" << QByteArray("no installed content kind");
}

void TestCliProject::addRefusesWithoutChangingTheProject()
{
    QFETCH(QString, media);
    QFETCH(QByteArray, message);
    const QString project = newProject(QStringLiteral("add.boo"));
    QVERIFY(!project.isEmpty());
    QFile notes(path(QStringLiteral("notes.txt")));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("plain text");
    notes.close();
    const QByteArray before = FileMd5(project);

    const Result r = Cli({"add", project, path(media)});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(message), r.err.constData());
    QCOMPARE(FileMd5(project), before);
}

QString TestCliProject::solidPicture(const QString& name, QColor colour, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString file = path(name);
    return image.save(file) ? file : QString();
}

void TestCliProject::addPicturesThenGenerateAndSnapshot()
{
    const QString project = newProject(QStringLiteral("media.boo"));
    const QString red = solidPicture(QStringLiteral("red.png"), Qt::red, QSize(128, 64));
    const QString green = solidPicture(QStringLiteral("green.bmp"), Qt::green, QSize(32, 16));
    QVERIFY(!project.isEmpty() && !red.isEmpty() && !green.isEmpty());

    Result r = Cli({"add", project, red, green});
    QVERIFY2(r.code == 0, r.err.constData());
    QCOMPARE(r.out, QByteArray("KY_Image_Plugin red\nKY_Image_Plugin green\n"));
    const QJsonArray contents = Info(project)["children"][0]["children"][0]["children"].toArray();
    QCOMPARE(contents.size(), 2);
    QCOMPARE(contents.at(0)["name"].toString(), QStringLiteral("red"));
    QCOMPARE(contents.at(1)["name"].toString(), QStringLiteral("green"));

    // Every listed file is there under its own digest; the media keep their suffix.
    const QString out = path(QStringLiteral("media-send"));
    r = Cli({"generate", project, out});
    QCOMPARE(r.code, 0);
    QStringList suffixes;
    for (const QByteArray& line : r.out.trimmed().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        QCOMPARE(fields.size(), 2);
        const QFileInfo file(QString::fromUtf8(fields.at(0)));
        QCOMPARE(FileMd5(file.filePath()), fields.at(1));
        QCOMPARE(file.completeBaseName().toUtf8(), fields.at(1));
        suffixes << file.suffix();
    }
    QCOMPARE(suffixes, (QStringList{"png", "bmp", "boo"}));
    QCOMPARE(Entries(out).size(), 4);

    // The first picture fills the screen once its entry effect is over (a few seconds at
    // the default speed) and holds for five seconds.
    const QString png = path(QStringLiteral("media.png"));
    r = Cli({"snapshot", project, "--at", "4000", png});
    QVERIFY2(r.code == 0, r.err.constData());
    const QImage frame(png);
    QCOMPARE(frame.size(), QSize(128, 64));
    QCOMPARE(QColor(frame.pixel(64, 32)), QColor(Qt::red));
    QCOMPARE(QColor(frame.pixel(1, 1)), QColor(Qt::red));
}

void TestCliProject::previewOfThreeAreasMidEffect()
{
    // Three areas side by side, each with one picture entering by another effect at the
    // slowest speed: move from the right, cover from the left, gradual change.
    struct Area
    {
        int effect;
        QColor colour;
    };
    const Area areas[] = {{1, Qt::red}, {5, Qt::green}, {17, Qt::blue}};
    QString nodes;
    for (int i = 0; i < 3; ++i) {
        const QString picture =
            solidPicture(QStringLiteral("area%1.png").arg(i), areas[i].colour, QSize(64, 64));
        QVERIFY(!picture.isEmpty());
        nodes += QStringLiteral(R"(
  <Node Level="3" Type="KY_Frame_Plugin">
   <Attribute Name="X">%1</Attribute><Attribute Name="Y">0</Attribute>
   <Attribute Name="Width">64</Attribute><Attribute Name="Height">64</Attribute>
   <Node Level="4" Type="KY_Image_Plugin">
    <Attribute Name="DispEffect">%2</Attribute><Attribute Name="DispTime">0</Attribute>
    <Attribute Name="ClearEffect">0</Attribute><Attribute Name="ClearTime">0</Attribute>
    <Attribute Name="HoldTime">50</Attribute><Attribute Name="KeepRatio">0</Attribute>
    <List Name="__FileList__" Index="-1"><ListItem FileKey="Photo" FileName="%3"/></List>
   </Node>
  </Node>)")
                     .arg(i * 64)
                     .arg(areas[i].effect)
                     .arg(picture.toHtmlEscaped());
    }
    const QString project = path(QStringLiteral("three.boo"));
    QFile f(project);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<Node Level="1" Type="KY_Screen_Plugin">
 <Attribute Name="DeviceModel">Q741</Attribute>
 <Attribute Name="Width">192</Attribute><Attribute Name="Height">64</Attribute>
 <Node Level="2" Type="KY_OrdinaryScene_Plugin">%1
 </Node>
</Node>
)")
                .arg(nodes)
                .toUtf8());
    f.close();

    int shortest = std::numeric_limits<int>::max();
    for (const Area& area : areas)
        shortest = std::min(shortest, GeteffectDuration(64, 64, area.effect, 0));
    QVERIFY(shortest > 80);
    const QString png = path(QStringLiteral("three.png"));
    const Result r = Cli({"snapshot", project, "--at", QString::number(shortest / 2), png});
    QVERIFY2(r.code == 0, r.err.constData());
    const QImage frame(png);
    QCOMPARE(frame.size(), QSize(192, 64));
    Ky::Test::SaveScreenshot(frame.scaled(frame.size() * 3), QStringLiteral("preview_three_areas"));

    // The moving and covering areas show their picture on part of the area only.
    for (int i = 0; i < 2; ++i) {
        int lit = 0;
        for (int x = i * 64; x < i * 64 + 64; ++x)
            lit += QColor(frame.pixel(x, 32)) == areas[i].colour;
        QVERIFY2(lit > 8 && lit < 56,
                 qPrintable(QStringLiteral("area %1: %2 of 64").arg(i).arg(lit)));
    }
    // The gradual change shows a blend all over.
    const QColor blend(frame.pixel(160, 32));
    QVERIFY2(blend.blue() > 40 && blend.blue() < 215, qPrintable(blend.name()));
}

void TestCliProject::snapshotFollowsTheGifFramesOnTheSteppedClock()
{
    const QString project = newProject(QStringLiteral("gif.boo"));
    const QString gif = path(QStringLiteral("two.gif"));
    QVERIFY(!project.isEmpty());
    const QList<Ky::Test::GifFrame> frames = Ky::Test::SolidFrames(2, QSize(128, 64), 500);
    QVERIFY(Ky::Test::WriteGif(gif, QSize(128, 64), frames));
    QCOMPARE(Cli({"add", project, gif}).code, 0);

    auto colourAt = [&](int ms) {
        const QString png = path(QStringLiteral("gif%1.png").arg(ms));
        const Result r = Cli({"snapshot", project, "--at", QString::number(ms), png});
        return r.code == 0 ? QColor(QImage(png).pixel(64, 32)) : QColor();
    };
    const QColor first = frames.at(0).image.pixelColor(0, 0);
    const QColor second = frames.at(1).image.pixelColor(0, 0);
    QVERIFY(first != second);
    // Frames of 500 ms: the first, the second, the first again, whatever the machine's speed.
    QCOMPARE(colourAt(100), first);
    QCOMPARE(colourAt(600), second);
    QCOMPARE(colourAt(1100), first);
    QCOMPARE(colourAt(600), second);
}

void TestCliProject::snapshotHasTheScreenSize()
{
    const QString project = newProject(QStringLiteral("snap.boo"));
    QVERIFY(!project.isEmpty());
    const QString png = path(QStringLiteral("snap.png"));
    const Result r = Cli({"snapshot", project, "--at", "120", png});
    QVERIFY2(r.code == 0, r.err.constData());
    const QImage frame(png);
    QCOMPARE(frame.size(), QSize(128, 64));
}

void TestCliProject::snapshotRefuses_data()
{
    QTest::addColumn<QStringList>("args"); // "@" is a fresh project
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("no moment") << QStringList{"@", "out.png"} << 2
                               << QByteArray("needs FILE, --at");
    QTest::newRow("negative moment")
        << QStringList{"@", "--at", "-5", "out.png"} << 2 << QByteArray("--at takes milliseconds");
    QTest::newRow("program 0") << QStringList{"@", "--program", "0", "--at", "0", "out.png"} << 2
                               << QByteArray("--program takes a number");
    QTest::newRow("no such program") << QStringList{"@", "--program", "2", "--at", "0", "out.png"}
                                     << 1 << QByteArray("has 1 program(s), not 2");
    QTest::newRow("missing project")
        << QStringList{"absent.boo", "--at", "0", "out.png"} << 1 << QByteArray("no such file");
}

void TestCliProject::snapshotRefuses()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QByteArray, message);
    const QString project = newProject(QStringLiteral("snaprefused.boo"));
    QVERIFY(!project.isEmpty());
    for (QString& arg : args) {
        if (arg == QLatin1String("@"))
            arg = project;
        else if (arg.endsWith(QLatin1String(".png")) || arg == QLatin1String("absent.boo"))
            arg = path(arg);
    }
    const Result r = Cli(QStringList{"snapshot"} + args);
    QCOMPARE(r.code, code);
    QVERIFY2(r.err.contains(message), r.err.constData());
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("out.png"))));
}

void TestCliProject::help_data()
{
    QTest::addColumn<QString>("command");
    for (const char* command : {"new", "info", "add", "generate", "export", "snapshot"})
        QTest::newRow(command) << QString::fromLatin1(command);
}

void TestCliProject::help()
{
    QFETCH(QString, command);
    const QByteArray usage = QByteArray("Usage: kestrova-cli ") + command.toUtf8();
    const Result r = Cli({command, "--help"});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.startsWith(usage));
    const Result bare = Cli({command});
    QCOMPARE(bare.code, 2);
    QVERIFY(bare.err.contains(usage));
}

KESTROVA_TEST_MAIN(TestCliProject)
#include "tst_cli_project.moc"
