#pragma once

#include "model/NamedObject.h"

#include <optional>
#include <type_traits>
#include <utility>

class CBuilding;
class CPlatform;
class CTree;

// The kinds of part a catalogue holds. Every place that treats the kinds differently goes
// through this visitor, so a new kind fails to compile until each of them handles it.
class IPartVisitor {
public:
    virtual void Visit(const CTree& tree) = 0;
    virtual void Visit(const CBuilding& building) = 0;
    virtual void Visit(const CPlatform& platform) = 0;

protected:
    ~IPartVisitor() = default;
};

// Runs the handler of the part's kind, each handler taking one kind; for an object that is
// no part, none. Returns whether one ran, or what it returned (nothing for no part).
template <class OnTree, class OnBuilding, class OnPlatform>
auto VisitPart(const CNamedObject& object, OnTree&& onTree, OnBuilding&& onBuilding, OnPlatform&& onPlatform)
{
    using Result = std::invoke_result_t<OnTree&, const CTree&>;
    using Stored = std::conditional_t<std::is_void_v<Result>, bool, std::optional<Result>>;

    class CVisitor final : public IPartVisitor {
    public:
        CVisitor(OnTree& tree, OnBuilding& building, OnPlatform& platform)
            : m_onTree(tree), m_onBuilding(building), m_onPlatform(platform)
        {
        }

        void Visit(const CTree& tree) override { Take(m_onTree, tree); }
        void Visit(const CBuilding& building) override { Take(m_onBuilding, building); }
        void Visit(const CPlatform& platform) override { Take(m_onPlatform, platform); }

        Stored m_result {};

    private:
        template <class Handler, class Part>
        void Take(Handler& handler, const Part& part)
        {
            if constexpr (std::is_void_v<Result>) {
                handler(part);
                m_result = true;
            } else {
                m_result = handler(part);
            }
        }

        OnTree& m_onTree;
        OnBuilding& m_onBuilding;
        OnPlatform& m_onPlatform;
    };

    CVisitor visitor(onTree, onBuilding, onPlatform);
    object.AcceptPart(visitor);
    return visitor.m_result;
}
