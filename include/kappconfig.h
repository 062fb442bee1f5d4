#pragma once

#include "kcore_global.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QMessageBox>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>

class QSettings;
class QWidget;
class QXmlStreamReader;

namespace Ky {

class KNode;

// Directories, persistent settings and small shared services of the application.
// A process-wide singleton, created early at start-up and destroyed at exit, when it writes
// "config.xml" back.
class KCORE_EXPORT KAppConfig : public QObject
{
    Q_OBJECT
public:
    static KAppConfig* instance();
    static void Destroy();

    // The shared settings store on "config.ini" in the data root; valid while the
    // configuration exists.
    static QSettings* s_setting;

    void SetWorkbench(QWidget* workbench) { m_workbench = workbench; }
    QWidget* GetWorkbench() const { return m_workbench; }

    // Read-only payload next to the executable (plug-ins, translations, default files).
    // KESTROVA_BIN_DIR overrides it for programs that run outside <build>/bin, such as tests.
    static QString BinDir();
    // The data root: KESTROVA_APPDIR when set, else BinDir when writable, else the per-user
    // data location. Created when missing. Every directory ends with a slash.
    static QString AppDir();
    static QString FactoryDir();
    static QString WorkDir();
    static QString SettingDir();
    QString PluginConfig() const;
    static void MkdirWorkPath(const QString& name);

    static void InitSetting();
    static void ResetSetting();
    bool UsePasswd() const;
    bool AutoLogin() const;

    bool QueryDelete(const QString& text, QWidget* parent);
    int QuerySave(const QString& text, QWidget* parent);

    QString GetLastProjectDir() const;
    void SetLastProjectDir(const QString& path);
    QString GetLastImageFilePath() const;
    void SetLastImageFilePath(const QString& path);
    QStringList GetLastProjectFile() const;
    void SetLastProjectFile(const QStringList& files);
    QString GetFileLastChosePath(const QString& key) const;
    void SetFileLastChosePath(const QString& key, const QString& path);

    QString GetVideoFileMd5(const QString& a, const QString& b) const;
    void WriteVideoFileMd5ToFile(const QString& a, const QString& b, const QString& md5);

    static QString GetUniqueName(const QString& dir, const QString& name, int first);
    QString GetNodeIdentifier(KNode* parent, const QString& base) const;
    bool GetNameExistence(const QList<KNode*>& nodes, const QString& base, int i) const;
    static QString GetDevType(KNode* node);
    bool SuportCascade(const QString& model) const;
    QString SuportImage() const;
    int RefreshRate() const { return 40; }

    static QString Version();
    static QString SvnNumber();
    static QColor IntToColor(int value);
    static int ColorToInt(const QColor& color);
    static int Get16MultipleWidth(int width);

    // The shared libvlc instance (a libvlc_instance_t*), created on the first call.
    void* GetVLCInstance();
    // Ends leftover transcoder processes ("kymcoder") of the current user.
    static void KillMencoderFfmpag();
    static QSize GetScreenSize();
    static bool UsbDirHasVideoFile();

    // The options of "config.xml", carried from load to save.
    const QMap<QString, QString>& Options() const { return m_options; }
    // First start after installation: takes the installer's language.
    void OptionInit();

    // Where the installer leaves its language code on this platform.
    static QString InstallerLanguageFile();

protected:
    KAppConfig();
    ~KAppConfig() override;

private:
    void LoadConfig();
    void SaveConfig();
    void ReadOption(QXmlStreamReader& reader);
    void ReadLangElement(QXmlStreamReader& reader);

    QWidget* m_workbench = nullptr;
    QSettings* m_md5Store = nullptr;
    QMap<QString, QString> m_options;

    static KAppConfig* instance_;
    static void* _vlcinstance;
};

} // namespace Ky
