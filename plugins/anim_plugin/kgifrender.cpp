#include "kgifrender.h"

#include "kgifnode.h"

namespace Ky::KAnimPlugin {

KGifRender::KGifRender(KGifNode* node) : KEffectRender(node)
{
}

QString KGifRender::File() const
{
    const auto* node = static_cast<const KGifNode*>(m_node.data());
    return node ? node->GetGif() : QString();
}

} // namespace Ky::KAnimPlugin
