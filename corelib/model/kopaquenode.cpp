#include "kopaquenode.h"

namespace Ky {

KOpaqueNode::KOpaqueNode(const QString& type, KLevel level, const QString& xml)
    : m_type(type)
    , m_level(level)
    , m_xml(xml)
{
}

QString KOpaqueNode::Type()
{
    return m_type;
}

KLevel KOpaqueNode::Level()
{
    return m_level;
}

KLevel KOpaqueNode::LevelFromText(QStringView text)
{
    bool ok = false;
    const int level = text.toInt(&ok, 10);
    if (!ok || level < LEVEL_ROOT || level > LEVEL_NONE)
        return LEVEL_NONE;
    return KLevel(level);
}

} // namespace Ky
