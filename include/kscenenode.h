#pragma once

#include "kframe.h"

#include <QColor>
#include <QSize>
#include <QTime>

namespace Ky {

// A program: what the screen plays for a while, divided into areas, with its own border,
// background and schedule.
class KCORE_EXPORT KSceneNode : public KFrame
{
    Q_OBJECT
public:
    enum EN_PlayMode { PLAY_LOOP = 0, PLAY_FIXED_TIME = 1 };
    enum EN_BgMode { BG_IMAGE = 0, BG_COLOR = 1 };
    using EN_LimitMode = int;

    KSceneNode();

    KLevel Level() override;
    int Duration() override;
    virtual bool GlobalScene();

    int PlayMode() const;
    void SetPlayMode(int mode);
    int GetFixedTime() const;
    int PlayeTime() const { return GetFixedTime(); }
    void SetPlayeTime(int seconds);
    void SetFixedTime(const QTime& time);
    int GetPlayTimes() const;
    void SetPlayTimes(int times);

    int BgMode() const;
    void SetBgMode(int mode);
    QColor BgColor() const;
    void SetBgColor(const QColor& color);
    QString BgImage() const;
    void SetBgImage(const QString& path);

    int Alpha() const;
    void SetAlpha(int alpha);

    QTime GetSpaceStartTime() const;
    QTime GetSpaceStopTime() const;
    void SetSpaceStartTime(const QTime& time);
    void SetSpaceStopTime(const QTime& time);
    EN_LimitMode GetLimitMode() const;
    void SetLimitMode(EN_LimitMode mode);
    int GetLastMonth() const;
    void SetLastMonth(int value);
    int GetHaveNeon() const;
    void SetHaveNeon(int value);
    int GetUseSpacifiled() const;
    QString GetDateEnable(int n) const;
    void SetDateEnable(int n, const QString& value);
    int GetWeekCheck(int day) const;

    // The screen's size, and that size less the program border on each side.
    QSize Size();
    QSize ContentSize();

    virtual void ON_SizeChange(const QSize& newSize, const QSize& oldSize);

Q_SIGNALS:
    void BgModeChanged(int mode);
    void BgImageChanged(const QString& path);
    void BgColorChanged(const QColor& color);
    void AlphaChanged(int alpha);
    void SizeChange();

public Q_SLOTS:
    void ON_FrameHeightChange(int new_height, int old_height);
};

} // namespace Ky
