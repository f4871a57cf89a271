#pragma once

#include "model/Building.h"
#include "model/Platform.h"
#include "model/Tree.h"

#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>

// The three kinds of catalogue part.
enum class EPartKind { tree, building, platform };

// The kind of a catalogue part, trees tested first; nothing for any other object. This is
// the one place that tells the kinds apart: everything else asks it, mostly through VisitPart.
std::optional<EPartKind> PartKindOf(const CObject& object);
// The kind of part a stored class name names; nothing for any other name.
std::optional<EPartKind> PartKindNamed(std::string_view className);
// A new part of the kind, with its defaults.
std::unique_ptr<CNamedObject> MakePart(EPartKind kind);
// Has the archive write the part's class under the schema that keeps free texts when the part
// has one (a tree's schema always does); called for every part before the first is written.
void ChooseStoredSchema(CArchive& archive, const CNamedObject& part);

// Handlers for VisitPart from several lambdas, each taking what it names.
template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// Calls the visitor with the part as a CTree, a CBuilding or a CPlatform (const when the
// object is). The visitor must take all three, so a kind it forgets fails to compile; for an
// object that is no part it is not called. Gives what the visitor returned, empty for no part,
// or, when the visitor returns nothing, whether it ran.
template <class Object, class Visitor>
    requires std::is_base_of_v<CObject, std::remove_const_t<Object>>
auto VisitPart(Object& object, Visitor&& visitor)
{
    using Tree = std::conditional_t<std::is_const_v<Object>, const CTree, CTree>;
    using Building = std::conditional_t<std::is_const_v<Object>, const CBuilding, CBuilding>;
    using Platform = std::conditional_t<std::is_const_v<Object>, const CPlatform, CPlatform>;
    static_assert(std::is_invocable_v<Visitor&, Tree&> && std::is_invocable_v<Visitor&, Building&>
            && std::is_invocable_v<Visitor&, Platform&>,
        "a part visitor takes a tree, a building and a platform");
    using Result = std::common_type_t<std::invoke_result_t<Visitor&, Tree&>, std::invoke_result_t<Visitor&, Building&>,
        std::invoke_result_t<Visitor&, Platform&>>;

    const auto visit = [&](EPartKind kind) -> Result {
        switch (kind) {
        case EPartKind::tree:
            return visitor(static_cast<Tree&>(object));
        case EPartKind::building:
            return visitor(static_cast<Building&>(object));
        case EPartKind::platform:
            break;
        }
        return visitor(static_cast<Platform&>(object));
    };
    const std::optional<EPartKind> kind = PartKindOf(object);
    if constexpr (std::is_void_v<Result>) {
        if (kind)
            visit(*kind);
        return kind.has_value();
    } else {
        return kind ? std::optional<Result>(visit(*kind)) : std::optional<Result>();
    }
}
