#pragma once

#include "kcontentnode.h"

namespace Ky {

// A text content: a rich-text document with its paging and scrolling settings.
class KCORE_EXPORT KTextEffectNode : public KContentNode
{
    Q_OBJECT
public:
    KTextEffectNode();

    void ON_SizeChange(const QSize& size) override;

    void SetHtmlText(const QString& html);
    void SetPageCount(int count);
    void SetSingleMode(bool single);
    void SetHaveSave(bool saved);
    void SetBlockMargin(int margin);
    void SetHeadCloseToTail(int value);
    void SetSpeed(int speed);
    void SetPlayType(const QString& type);
    void SetByTime(int time);
    void SetByCount(int count);
    void SetUseHollow(int value);
    void SetUseStroke(int value);
    void SetStrokeColor(int color);
    void SetContentAlign(int align);
    void SetEditBgColor(int color);
    void SetTransBgColor(bool transparent);
    void SetReDrawImage(bool redraw);
    void SetReDrawImage();
    void SetReStartPlay();
    void PageChange();

    QString GetHtmlText() const;
    int GetPageCount() const;
    bool GetSingleMode() const;
    bool GetHaveSave() const;
    int GetContentAlign() const;
    int GetBlockMargin() const;
    int GetHeadCloseToTail() const;
    int GetEditBgColor() const;
    bool GetTransBgColor() const;
    int GetSpeed() const;
    QString GetPlayType() const;
    int GetByTime() const;
    int GetByCount() const;
    int GetUseHollow() const;
    int GetUseStroke() const;
    int GetStrokeColor() const;
    bool GetReDrawImage() const;

    // Records an image file embedded in the text.
    void SetHtmlImagePath(const QString& key, const QString& path);

Q_SIGNALS:
    void HtmlChanged();
    void PageCountChanged(int value);
    void PageChanged();
    void NodeSizeChange(const QSize& size);
    void ReStartPlay();
    void ReDrawImage();
    void HollowAndStrokeChanged();

private:
    // Stores a value that changes the look of the rendered pages and marks them outdated.
    void SetLookAttribute(const QString& key, int value);
};

} // namespace Ky
