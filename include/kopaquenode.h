#pragma once

#include "knode.h"

namespace Ky {

// A node whose kind no loaded plug-in provides (say, a video item opened on an installation
// without the video kind). It keeps the element it was read from and is written back from
// it, so opening and saving a project never drops what this installation cannot show.
// Nodes added below it later are written after the kept content.
class KCORE_EXPORT KOpaqueNode : public KNode
{
    Q_OBJECT
public:
    // xml: the whole `Node` element as read, a well-formed fragment.
    KOpaqueNode(const QString& type, KLevel level, const QString& xml);

    QString Type() override;
    KLevel Level() override;

    const QString& xml() const { return m_xml; }

    // The level a "Level" text names; LEVEL_NONE for anything else.
    static KLevel LevelFromText(QStringView text);

private:
    const QString m_type;
    const KLevel m_level;
    const QString m_xml;
};

} // namespace Ky
