#include "kappconfig.h"

#include "kcontrollernode.h"
#include "klang.h"
#include "knode.h"
#include "kprompt.h"
#include "kosprocess.h"
#include "ktranslation.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <vlc/vlc.h>

namespace Ky {

KAppConfig* KAppConfig::instance_ = nullptr;
QSettings* KAppConfig::s_setting = nullptr;
void* KAppConfig::_vlcinstance = nullptr;

namespace {

const QString kLastChosePathOrganisation = QStringLiteral("FileLastChosePath.ini");

QString WithSlash(const QString& dir)
{
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

QString EnsureDir(const QString& dir)
{
    QDir().mkpath(dir);
    return WithSlash(QDir::cleanPath(QDir(dir).absolutePath()));
}

bool IsWritableDir(const QString& dir)
{
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}

// Files the controller keeps for itself live below its root; on a desktop machine there is
// none unless the controller emulator configures one.
QString ControllerPath(const QString& devicePath)
{
    const QString root = qEnvironmentVariable("KESTROVA_CONTROLLER_ROOT");
    if (root.isEmpty())
        return devicePath;
    QString relative = devicePath;
    relative.remove(QRegularExpression(QStringLiteral("^/root/(Box/)?")));
    return WithSlash(root) + relative;
}

bool BoolSetting(const char* key)
{
    return KAppConfig::s_setting && KAppConfig::s_setting->value(QLatin1String(key)).toBool();
}

} // namespace

KAppConfig::KAppConfig()
{
    QDir().mkpath(FactoryDir());
    QDir().mkpath(WorkDir());
    s_setting = new QSettings(AppDir() + QStringLiteral("config.ini"), QSettings::IniFormat);
    m_md5Store = new QSettings(AppDir() + QStringLiteral("outputpath/Md5Config.ini"),
                               QSettings::IniFormat);
    LoadConfig();
    OptionInit();
    InitSetting();
}

KAppConfig::~KAppConfig()
{
    delete m_md5Store;
    m_md5Store = nullptr;
    if (_vlcinstance) {
        libvlc_release(static_cast<libvlc_instance_t*>(_vlcinstance));
        _vlcinstance = nullptr;
    }
    SaveConfig();
    s_setting->sync();
    delete s_setting;
    s_setting = nullptr;
}

KAppConfig* KAppConfig::instance()
{
    if (!instance_)
        instance_ = new KAppConfig;
    return instance_;
}

void KAppConfig::Destroy()
{
    delete instance_;
    instance_ = nullptr;
}

QString KAppConfig::BinDir()
{
    const QString overridden = qEnvironmentVariable("KESTROVA_BIN_DIR");
    if (!overridden.isEmpty())
        return WithSlash(QDir::cleanPath(QDir(overridden).absolutePath()));
    if (QCoreApplication::instance())
        return WithSlash(QCoreApplication::applicationDirPath());
    // No application object yet: fall back to the running executable.
    return WithSlash(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(
        QLatin1Char('/'), 0, -2));
}

QString KAppConfig::AppDir()
{
    const QString fromEnv = qEnvironmentVariable("KESTROVA_APPDIR");
    if (!fromEnv.isEmpty())
        return EnsureDir(fromEnv);
    const QString bin = BinDir();
    if (IsWritableDir(bin))
        return bin;
    return EnsureDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString KAppConfig::FactoryDir()
{
    return AppDir() + QStringLiteral("factory/");
}

QString KAppConfig::WorkDir()
{
    return AppDir() + QStringLiteral("work/");
}

QString KAppConfig::SettingDir()
{
    return AppDir() + QStringLiteral("setting/");
}

QString KAppConfig::PluginConfig() const
{
    return AppDir() + QStringLiteral("PluginConfig.xml");
}

void KAppConfig::MkdirWorkPath(const QString& name)
{
    const QString output = AppDir() + QStringLiteral("outputpath/");
    if (QFileInfo::exists(output + name))
        return;
    QDir().mkpath(output);
    QDir(output).mkdir(name);
}

void KAppConfig::InitSetting()
{
    if (!s_setting)
        return;
    const auto setDefault = [](const char* key, const QVariant& value) {
        if (!s_setting->contains(QLatin1String(key)))
            s_setting->setValue(QLatin1String(key), value);
    };
    setDefault("DeletePrompt", true);
    setDefault("SavePrompt", true);
    setDefault("UsePasswd", true);
    setDefault("ServerIP", QStringLiteral("server.kestrova.example"));
    setDefault("ServerPort", 8989);
}

void KAppConfig::ResetSetting()
{
    if (!s_setting)
        return;
    s_setting->clear();
    s_setting->setValue(QStringLiteral("SavePrompt"), true);
    s_setting->setValue(QStringLiteral("DeletePrompt"), true);
    s_setting->setValue(QStringLiteral("UsePasswd"), true);
}

bool KAppConfig::UsePasswd() const
{
    return BoolSetting("UsePasswd");
}

bool KAppConfig::AutoLogin() const
{
    return BoolSetting("AutoLogin");
}

bool KAppConfig::QueryDelete(const QString& text, QWidget* parent)
{
    if (!BoolSetting("DeletePrompt"))
        return true;
    const auto answer = Prompt::Warning(parent, tr("Warning"), text,
                                        QMessageBox::Ok | QMessageBox::Cancel);
    return answer == QMessageBox::Ok;
}

int KAppConfig::QuerySave(const QString& text, QWidget* parent)
{
    if (!BoolSetting("SavePrompt"))
        return QMessageBox::Yes;
    return Prompt::Warning(parent, tr("Warning"), text,
                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                           QMessageBox::Yes);
}

QString KAppConfig::GetLastProjectDir() const
{
    return s_setting->value(QStringLiteral("LastProjectDir")).toString();
}

void KAppConfig::SetLastProjectDir(const QString& path)
{
    s_setting->setValue(QStringLiteral("LastProjectDir"), QFileInfo(path).absolutePath());
}

QString KAppConfig::GetLastImageFilePath() const
{
    return s_setting->value(QStringLiteral("LastImageFilePath")).toString();
}

void KAppConfig::SetLastImageFilePath(const QString& path)
{
    s_setting->setValue(QStringLiteral("LastImageFilePath"), path);
}

QStringList KAppConfig::GetLastProjectFile() const
{
    return s_setting->value(QStringLiteral("LastProjectFile")).toStringList();
}

void KAppConfig::SetLastProjectFile(const QStringList& files)
{
    s_setting->setValue(QStringLiteral("LastProjectFile"), files);
}

QString KAppConfig::GetFileLastChosePath(const QString& key) const
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kLastChosePathOrganisation,
                    QString());
    const QString path = store.value(QStringLiteral("LASTCHOSEPATH/") + key).toString();
    return path.size() > 2 ? path : QStringLiteral("D:/");
}

void KAppConfig::SetFileLastChosePath(const QString& key, const QString& path)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kLastChosePathOrganisation,
                    QString());
    store.beginGroup(QStringLiteral("LASTCHOSEPATH"));
    store.setValue(key, path);
    store.endGroup();
}

QString KAppConfig::GetVideoFileMd5(const QString& a, const QString& b) const
{
    return m_md5Store->value(QStringLiteral("FILEMD5/") + a + b).toString();
}

void KAppConfig::WriteVideoFileMd5ToFile(const QString& a, const QString& b, const QString& md5)
{
    m_md5Store->beginGroup(QStringLiteral("FILEMD5"));
    m_md5Store->setValue(a + b, md5);
    m_md5Store->endGroup();
}

QString KAppConfig::GetUniqueName(const QString& dir, const QString& name, int first)
{
    const QString base = WithSlash(dir);
    if (!QFileInfo::exists(base + name))
        return base + name;
    const QString stem = name.section(QLatin1Char('.'), 0, 0);
    const QString suffix = name.section(QLatin1Char('.'), -1);
    for (int i = first;; ++i) {
        const QString candidate =
            base + stem + QString::number(i) + QLatin1Char('.') + suffix;
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

QString KAppConfig::GetNodeIdentifier(KNode* parent, const QString& base) const
{
    if (parent && parent->Type() == QLatin1String("KY_Frame_Plugin")) {
        for (int i = 1; i <= 99; ++i) {
            if (GetNameExistence(parent->children(), base, i))
                return base + QString::number(i);
        }
    }
    return base + QStringLiteral("1");
}

bool KAppConfig::GetNameExistence(const QList<KNode*>& nodes, const QString& base, int i) const
{
    if (nodes.isEmpty())
        return false;
    const QString name = base + QString::number(i);
    for (const KNode* node : nodes) {
        if (node->name() == name)
            return false;
    }
    return true;
}

QString KAppConfig::GetDevType(KNode* node)
{
    KControllerNode* screen = node ? node->GetScreenNode() : nullptr;
    return screen ? screen->GetDeviceModel() : QString();
}

bool KAppConfig::SuportCascade(const QString& model) const
{
    return model.startsWith(QLatin1String("Q74"), Qt::CaseSensitive);
}

QString KAppConfig::SuportImage() const
{
    return QStringLiteral("*.gif *.jpg *.jpeg *.png *.bmp *.tiff *.pbm *.pgm *.ppm *.xbm *.xpm");
}

QString KAppConfig::Version()
{
    return QStringLiteral("3.1.4.0");
}

QString KAppConfig::SvnNumber()
{
    return QStringLiteral("2381");
}

QColor KAppConfig::IntToColor(int value)
{
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

int KAppConfig::ColorToInt(const QColor& color)
{
    return color.red() + color.green() * 256 + color.blue() * 65536;
}

int KAppConfig::Get16MultipleWidth(int width)
{
    return width >= 0 ? (width + 15) / 16 * 16 : -(-width / 16 * 16);
}

void* KAppConfig::GetVLCInstance()
{
    if (!_vlcinstance) {
        const char* const args[] = {"-I", "dummy", "--no-video-title-show"};
        _vlcinstance = libvlc_new(int(sizeof args / sizeof args[0]), args);
    }
    return _vlcinstance;
}

void KAppConfig::KillMencoderFfmpag()
{
    KOsProcess::KillByName(QStringLiteral("kymcoder"));
}

QSize KAppConfig::GetScreenSize()
{
    QSize size(640, 480);
    const QString path = ControllerPath(QStringLiteral("/root/Box/config/dev_info.xml"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return size;
    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(&file, &message, &line, &column)) {
        qDebug("read [%s],xml error[%s], line[%d] code[%d].", qPrintable(path),
               qPrintable(message), line, column);
        return size;
    }
    const QDomElement root = document.documentElement();
    if (root.tagName() != QLatin1String("device"))
        return size;
    for (QDomElement child = root.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("ScreenWidth"))
            size.setWidth(int(child.attribute(QStringLiteral("Value")).toUInt()));
        else if (child.tagName() == QLatin1String("ScreenHeight"))
            size.setHeight(int(child.attribute(QStringLiteral("Value")).toUInt()));
    }
    return size;
}

bool KAppConfig::UsbDirHasVideoFile()
{
    static const QStringList kVideoSuffixes = {
        QStringLiteral("mp4"), QStringLiteral("mkv"), QStringLiteral("avi"),
        QStringLiteral("flv"), QStringLiteral("3gp"), QStringLiteral("dat"),
        QStringLiteral("ts"),  QStringLiteral("mpg"), QStringLiteral("f4v")};
    const QDir dir(ControllerPath(QStringLiteral("/root/usb_dev/")));
    const QFileInfoList files = dir.entryInfoList(QDir::Files);
    for (const QFileInfo& file : files) {
        if (kVideoSuffixes.contains(file.suffix().toLower()))
            return true;
    }
    return false;
}

QString KAppConfig::InstallerLanguageFile()
{
    // The package installs it beside the executable: [Install] Language=<code>.
    return BinDir() + QStringLiteral("installer.ini");
}

void KAppConfig::OptionInit()
{
    if (s_setting->value(QStringLiteral("FirstTime")).toString() != QLatin1String("True"))
        return;
    const QSettings installer(InstallerLanguageFile(), QSettings::IniFormat);
    const QString code = installer.value(QStringLiteral("Install/Language")).toString();
    qDebug() << "NSIS_language:" << code;
    for (const KLang& lang : std::as_const(*KTranslation::instance()->languages())) {
        qDebug() << "NSIS_language:" << lang.nsisLanguage << "lang_file:" << lang.file
                 << "lang_name:" << lang.name;
        if (lang.nsisLanguage == code)
            s_setting->setValue(QStringLiteral("lang"), lang.name);
    }
    s_setting->setValue(QStringLiteral("FirstTime"), QStringLiteral("False"));
}

void KAppConfig::LoadConfig()
{
    // The data root's copy, else the default shipped beside the executable.
    QString path = AppDir() + QStringLiteral("config.xml");
    if (!QFileInfo::exists(path))
        path = BinDir() + QStringLiteral("config.xml");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd() && !reader.hasError()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("Application"))
            continue;
        if (reader.name() == QLatin1String("Option"))
            ReadOption(reader);
        else if (reader.name() == QLatin1String("Language"))
            ReadLangElement(reader);
        else
            reader.skipCurrentElement();
    }
}

void KAppConfig::ReadOption(QXmlStreamReader& reader)
{
    const QXmlStreamAttributes attributes = reader.attributes();
    if (!attributes.hasAttribute(QLatin1String("Name"))) {
        reader.skipCurrentElement();
        return;
    }
    const QString name = attributes.value(QLatin1String("Name")).toString();
    m_options.insert(name, reader.readElementText(QXmlStreamReader::SkipChildElements));
}

void KAppConfig::ReadLangElement(QXmlStreamReader& reader)
{
    const QString wanted = reader.attributes().value(QLatin1String("Default")).toString();
    QList<KLang>* languages = KTranslation::instance()->languages();
    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("LangItem")) {
            reader.skipCurrentElement();
            continue;
        }
        const QXmlStreamAttributes a = reader.attributes();
        if (a.hasAttribute(QLatin1String("Name")) && a.hasAttribute(QLatin1String("File"))
            && a.hasAttribute(QLatin1String("NSISLanguage"))) {
            const KLang lang{a.value(QLatin1String("Name")).toString(),
                             a.value(QLatin1String("File")).toString(),
                             a.value(QLatin1String("NSISLanguage")).toString()};
            // Translation files are read-only payload beside the executable.
            if (QFileInfo::exists(BinDir() + lang.file))
                languages->append(lang);
        }
        reader.skipCurrentElement();
    }
    KTranslation::instance()->set_language(wanted);
}

void KAppConfig::SaveConfig()
{
    QSaveFile file(AppDir() + QStringLiteral("config.xml"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    QXmlStreamWriter writer(&file);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Application"));
    writer.writeStartElement(QStringLiteral("Language"));
    writer.writeAttribute(QStringLiteral("Default"), KTranslation::instance()->language());
    for (const KLang& lang : std::as_const(*KTranslation::instance()->languages())) {
        writer.writeStartElement(QStringLiteral("LangItem"));
        writer.writeAttribute(QStringLiteral("Name"), lang.name);
        writer.writeAttribute(QStringLiteral("File"), lang.file);
        writer.writeAttribute(QStringLiteral("NSISLanguage"), lang.nsisLanguage);
        writer.writeEndElement();
    }
    writer.writeEndElement();
    for (auto it = m_options.constBegin(); it != m_options.constEnd(); ++it) {
        writer.writeStartElement(QStringLiteral("Option"));
        writer.writeAttribute(QStringLiteral("Name"), it.key());
        writer.writeCharacters(it.value());
        writer.writeEndElement();
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    if (!writer.hasError())
        file.commit();
}

} // namespace Ky
