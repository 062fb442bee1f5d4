#pragma once

class QWidget;

namespace Ky {

class KNode;

// The editing panel of a node kind; one shared panel per plug-in.
class INodeClient
{
public:
    virtual ~INodeClient() = default;
    virtual QWidget* ClientWidget() = 0;
    // Binds the panel to the node it edits (null unbinds).
    virtual void SetNode(KNode* node) = 0;
};

} // namespace Ky
