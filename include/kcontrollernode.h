#pragma once

#include "devinfo.h"
#include "knode.h"
#include "kversion.h"

#include <QPoint>
#include <QSize>
#include <QTime>

namespace Ky {

// A screen: one controller card with its panel size, model, time zone, power schedule and
// associated devices. The top node of a project file.
class KCORE_EXPORT KControllerNode : public KNode
{
    Q_OBJECT
public:
    KControllerNode();

    KLevel Level() override;
    void Export(const QString& path) override;
    void Import(const QString& path) override;
    void Delete() override;
    void Generator(const QString& path, QList<KSendFileInfo>& files) override;

    // Path of the project file that holds this screen (not saved in the file).
    const QString& filePath() const { return m_filePath; }
    void SetFilePath(const QString& path) { m_filePath = path; }
    using KData::SetFilePath;

    QSize size() const;
    int Width() const;
    int Height() const;
    void SetSize(const QSize& newSize, const QSize& oldSize);

    QPoint GetPos() const;
    void SetPos(const QPoint& pos);

    QString GetDeviceModel() const;
    void SetDeviceModel(const QString& model);

    int GetTimeZone() const;
    void SetTimeZone(int seconds);

    bool GetTimeSwichtEnable() const;
    void SetTimeSwichtEnable(bool enable);
    QTime GetTimeOn(int n) const;
    void SetTimeOn(int n, const QTime& time);
    QTime GetTimeOff(int n) const;
    void SetTimeOff(int n, const QTime& time);
    bool GetTimeEnable(int n) const;
    void SetTimeEnable(int n, bool enable);

    KVersion GetVersion() const;
    void SetVersion(const QString& app, const QString& build);
    void SetVersion(const KVersion& version);

    bool FileNotImport() const;

    void GetDevAssociation(QList<DevInfo>& devices) const;
    void SetDevAssociation(const QList<DevInfo>& devices);

    // False while a video content of this screen still waits for its prepared file.
    bool DataReady() const;

Q_SIGNALS:
    void DevAssociationChanged();
    void SizeChanged(const QSize& size);
    void DeviceModelChanged(const QString& model);

private:
    QString m_filePath;
};

} // namespace Ky
