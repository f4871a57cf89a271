#include "cli/CatalogueJson.h"

#include "model/Building.h"
#include "model/PartsManager.h"
#include "model/Platform.h"
#include "model/Tree.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <set>
#include <span>
#include <variant>
#include <vector>

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

// One stored field of a class: its JSON member name and the member it stands for. The kind of
// value (integer, colour, text) follows from the member's type.
template <class T>
struct Field {
    const char* name;
    std::variant<int32_t T::*, COLORREF T::*, std::string T::*> member;
};

// The fields of each class after "class", "id" and "name", in the order dump writes them.
const Field<CTree> kTreeFields[] = {
    {"catalogNo", &CTree::m_catalogNo},
    {"freeText", &CTree::m_freeText},
    {"partsPerPackage", &CTree::m_partsPerPackage},
    {"price", &CTree::m_price},
    {"topColor", &CTree::m_topColor},
    {"topHeight", &CTree::m_topHeight},
    {"topRadius", &CTree::m_topRadius},
    {"treeType", &CTree::m_treeType},
    {"trunkColor", &CTree::m_trunkColor},
    {"trunkHeight", &CTree::m_trunkHeight},
    {"trunkRadius", &CTree::m_trunkRadius},
    {"units", &CTree::m_units},
};

const Field<CPlatform> kPlatformFields[] = {
    {"polesPerSide", &CPlatform::m_polesPerSide},
    {"edgeDistance", &CPlatform::m_edgeDistance},
    {"poleDiameter", &CPlatform::m_poleDiameter},
    {"catalogNo", &CPlatform::m_catalogNo},
    {"freeText", &CPlatform::m_freeText},
    {"partsPerPackage", &CPlatform::m_partsPerPackage},
    {"price", &CPlatform::m_price},
    {"units", &CPlatform::m_units},
    {"height", &CPlatform::m_height},
    {"width", &CPlatform::m_width},
    {"length", &CPlatform::m_length},
    {"poleHeight", &CPlatform::m_poleHeight},
    {"roofHeight", &CPlatform::m_roofHeight},
    {"sideColor", &CPlatform::m_sideColor},
    {"topColor", &CPlatform::m_topColor},
    {"poleColor", &CPlatform::m_poleColor},
    {"roofColor", &CPlatform::m_roofColor},
    {"coverType", &CPlatform::m_coverType},
    {"poleStyle", &CPlatform::m_poleStyle},
};

const Field<CBuilding> kBuildingFields[] = {
    {"catalogNo", &CBuilding::m_catalogNo},
    {"freeText", &CBuilding::m_freeText},
    {"partsPerPackage", &CBuilding::m_partsPerPackage},
    {"price", &CBuilding::m_price},
    {"units", &CBuilding::m_units},
};

const Field<CBuildingElement> kElementFields[] = {
    {"roofOrientation", &CBuildingElement::m_roofOrientation},
    {"positionY", &CBuildingElement::m_positionY},
    {"positionX", &CBuildingElement::m_positionX},
    {"positionZ", &CBuildingElement::m_positionZ},
    {"blockColor", &CBuildingElement::m_blockColor},
    {"blockDepth", &CBuildingElement::m_blockDepth},
    {"blockHeight", &CBuildingElement::m_blockHeight},
    {"blockWidth", &CBuildingElement::m_blockWidth},
    {"freeText", &CBuildingElement::m_freeText},
    {"roofAngle", &CBuildingElement::m_roofAngle},
    {"roofColor", &CBuildingElement::m_roofColor},
    {"roofHeight", &CBuildingElement::m_roofHeight},
    {"roofType", &CBuildingElement::m_roofType},
};

const Field<CDecoration> kDecorationFields[] = {
    {"wall", &CDecoration::m_wall},
    {"height", &CDecoration::m_height},
    {"width", &CDecoration::m_width},
    {"positionX", &CDecoration::m_positionX},
    {"positionZ", &CDecoration::m_positionZ},
    {"mainType", &CDecoration::m_mainType},
    {"subtype", &CDecoration::m_subtype},
    {"windowCount", &CDecoration::m_windowCount},
    {"mainColor", &CDecoration::m_mainColor},
    {"innerColor", &CDecoration::m_innerColor},
};

const Field<CHeader> kHeaderFields[] = {
    {"author", &CHeader::m_author},
    {"currency", &CHeader::m_currency},
    {"version", &CHeader::m_version},
};

const Field<CManufacturer> kManufacturerFields[] = {
    {"kind", &CManufacturer::m_kind},
    {"companyName", &CManufacturer::m_companyName},
    {"street", &CManufacturer::m_street},
    {"town", &CManufacturer::m_town},
    {"zipCode", &CManufacturer::m_zipCode},
    {"country", &CManufacturer::m_country},
    {"phone", &CManufacturer::m_phone},
    {"fax", &CManufacturer::m_fax},
    {"mail", &CManufacturer::m_mail},
};

constexpr const char* kHeaderMember = "header";
constexpr const char* kPartsMember = "parts";
constexpr const char* kManufacturerMember = "manufacturer";
constexpr const char* kRepresentativeMember = "representative";
constexpr const char* kElementsMember = "elements";
constexpr const char* kDecorationListNameMember = "decorationListName";
constexpr const char* kDecorationsMember = "decorations";

// ---- Writing

template <class T>
void WriteFields(ordered_json& out, const T& object, std::span<const Field<T>> fields)
{
    for (const Field<T>& field : fields)
        std::visit([&](auto member) { out[field.name] = object.*member; }, field.member);
}

// "class" (for list elements), "id" (for objects that keep one) and "name" lead every object.
ordered_json BeginObject(const CNamedObject& object, bool withClass, bool withId)
{
    ordered_json out = ordered_json::object();
    if (withClass)
        out["class"] = object.GetRuntimeClass()->m_className;
    if (withId)
        out["id"] = object.m_id;
    out["name"] = object.m_name;
    return out;
}

ordered_json ManufacturerToJson(const CManufacturer& manufacturer)
{
    ordered_json out = BeginObject(manufacturer, false, true);
    WriteFields<CManufacturer>(out, manufacturer, kManufacturerFields);
    return out;
}

ordered_json HeaderToJson(const CHeader& header)
{
    ordered_json out = BeginObject(header, false, true);
    WriteFields<CHeader>(out, header, kHeaderFields);
    out[kManufacturerMember] = ManufacturerToJson(*header.m_pManufacturer);
    out[kRepresentativeMember] = ManufacturerToJson(*header.m_pRepresentative);
    return out;
}

ordered_json ElementToJson(const CBuildingElement& element)
{
    ordered_json out = BeginObject(element, true, true);
    WriteFields<CBuildingElement>(out, element, kElementFields);
    out[kDecorationListNameMember] = element.m_decorations->m_name;
    ordered_json decorations = ordered_json::array();
    for (size_t i = 0; i < element.m_decorations->GetCount(); ++i) {
        const CDecoration& decoration = element.m_decorations->GetDecoration(i);
        ordered_json item = BeginObject(decoration, true, true);
        WriteFields<CDecoration>(item, decoration, kDecorationFields);
        decorations.push_back(std::move(item));
    }
    out[kDecorationsMember] = std::move(decorations);
    return out;
}

ordered_json BuildingToJson(const CBuilding& building)
{
    // A building is a list, and the document file keeps no number for a list.
    ordered_json out = BeginObject(building, true, false);
    WriteFields<CBuilding>(out, building, kBuildingFields);
    ordered_json elements = ordered_json::array();
    for (size_t i = 0; i < building.GetCount(); ++i)
        elements.push_back(ElementToJson(building.GetElement(i)));
    out[kElementsMember] = std::move(elements);
    return out;
}

ordered_json PartToJson(const CNamedObject& part)
{
    if (const auto* tree = DynamicDowncast<CTree>(&part)) {
        ordered_json out = BeginObject(*tree, true, true);
        WriteFields<CTree>(out, *tree, kTreeFields);
        return out;
    }
    if (const auto* platform = DynamicDowncast<CPlatform>(&part)) {
        ordered_json out = BeginObject(*platform, true, true);
        WriteFields<CPlatform>(out, *platform, kPlatformFields);
        return out;
    }
    return BuildingToJson(static_cast<const CBuilding&>(part));
}

// ---- Reading

[[noreturn]] void Refuse(const std::string& path, const std::string& problem)
{
    throw CJsonCatalogueError(path.empty() ? problem : path + ": " + problem);
}

std::string MemberPath(const std::string& objectPath, const std::string& member)
{
    return objectPath.empty() ? member : objectPath + "." + member;
}

std::string ItemPath(const std::string& arrayPath, size_t index)
{
    return arrayPath + "[" + std::to_string(index) + "]";
}

int64_t ReadWholeNumber(const json& value, const std::string& path, int64_t minimum, int64_t maximum)
{
    const std::string range = "(" + std::to_string(minimum) + " to " + std::to_string(maximum) + ")";
    if (value.is_number_unsigned()) {
        const uint64_t number = value.get<uint64_t>();
        if (number > static_cast<uint64_t>(maximum))
            Refuse(path, std::to_string(number) + " is out of range " + range);
        return static_cast<int64_t>(number);
    }
    if (value.is_number_integer()) {
        const int64_t number = value.get<int64_t>();
        if (number < minimum || number > maximum)
            Refuse(path, std::to_string(number) + " is out of range " + range);
        return number;
    }
    if (value.is_number_float()) {
        const double number = value.get<double>();
        if (!std::isfinite(number) || number < static_cast<double>(minimum) || number > static_cast<double>(maximum))
            Refuse(path, value.dump() + " is out of range " + range);
        Refuse(path, "expected a whole number, not " + value.dump());
    }
    Refuse(path, std::string("expected a number, not ") + value.type_name());
}

int32_t ReadInt32(const json& value, const std::string& path)
{
    return static_cast<int32_t>(ReadWholeNumber(
        value, path, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

COLORREF ReadColor(const json& value, const std::string& path)
{
    return static_cast<COLORREF>(ReadWholeNumber(value, path, 0, std::numeric_limits<uint32_t>::max()));
}

std::string ReadString(const json& value, const std::string& path)
{
    if (!value.is_string())
        Refuse(path, std::string("expected a string, not ") + value.type_name());
    return value.get<std::string>();
}

void RequireObject(const json& value, const std::string& path)
{
    if (!value.is_object())
        Refuse(path, std::string("expected an object, not ") + value.type_name());
}

void RequireArray(const json& value, const std::string& path)
{
    if (!value.is_array())
        Refuse(path, std::string("expected an array, not ") + value.type_name());
}

template <class T>
bool ReadField(T& object, std::span<const Field<T>> fields, const std::string& key, const json& value,
    const std::string& path)
{
    for (const Field<T>& field : fields) {
        if (key != field.name)
            continue;
        std::visit(
            [&](auto member) {
                using Value = std::remove_reference_t<decltype(object.*member)>;
                if constexpr (std::is_same_v<Value, std::string>)
                    object.*member = ReadString(value, path);
                else if constexpr (std::is_same_v<Value, COLORREF>)
                    object.*member = ReadColor(value, path);
                else
                    object.*member = ReadInt32(value, path);
            },
            field.member);
        return true;
    }
    return false;
}

// How one kind of object reads: the class its "class" member may name, whether "id" sets its
// number (a list keeps none, so its "id" is passed over), and its members beyond the fields.
struct ObjectShape {
    const char* className;
    bool keepsId;
    std::function<bool(const std::string& key, const json& value, const std::string& path)> readMore;
};

template <class T>
void ReadObject(const json& value, const std::string& path, T& object, std::span<const Field<T>> fields,
    const ObjectShape& shape)
{
    RequireObject(value, path);
    for (const auto& [key, member] : value.items()) {
        const std::string memberPath = MemberPath(path, key);
        if (key == "class") {
            const std::string className = ReadString(member, memberPath);
            if (className != shape.className)
                Refuse(memberPath, "unknown class \"" + className + "\" here, expected \"" + shape.className + "\"");
        } else if (key == "id") {
            if (shape.keepsId)
                object.m_id = ReadInt32(member, memberPath);
        } else if (key == "name") {
            object.m_name = ReadString(member, memberPath);
        } else if (!ReadField(object, fields, key, member, memberPath)
            && !(shape.readMore && shape.readMore(key, member, memberPath))) {
            Refuse(memberPath, "unknown member");
        }
    }
}

void ReadManufacturer(const json& value, const std::string& path, CManufacturer& manufacturer)
{
    ReadObject<CManufacturer>(value, path, manufacturer, kManufacturerFields, {"CManufacturer", true, nullptr});
}

void ReadHeader(const json& value, const std::string& path, CHeader& header)
{
    const auto readMore = [&](const std::string& key, const json& member, const std::string& memberPath) {
        if (key == kManufacturerMember)
            ReadManufacturer(member, memberPath, *header.m_pManufacturer);
        else if (key == kRepresentativeMember)
            ReadManufacturer(member, memberPath, *header.m_pRepresentative);
        else
            return false;
        return true;
    };
    ReadObject<CHeader>(value, path, header, kHeaderFields, {"CHeader", true, readMore});
}

std::unique_ptr<CDecoration> ReadDecoration(const json& value, const std::string& path)
{
    auto decoration = std::make_unique<CDecoration>();
    ReadObject<CDecoration>(value, path, *decoration, kDecorationFields, {"CDecoration", true, nullptr});
    return decoration;
}

std::unique_ptr<CBuildingElement> ReadElement(const json& value, const std::string& path)
{
    auto element = std::make_unique<CBuildingElement>();
    CDecorationManager& decorations = *element->m_decorations;
    const auto readMore = [&](const std::string& key, const json& member, const std::string& memberPath) {
        if (key == kDecorationListNameMember) {
            decorations.m_name = ReadString(member, memberPath);
        } else if (key == kDecorationsMember) {
            RequireArray(member, memberPath);
            for (size_t i = 0; i < member.size(); ++i)
                decorations.Add(ReadDecoration(member[i], ItemPath(memberPath, i)));
        } else {
            return false;
        }
        return true;
    };
    ReadObject<CBuildingElement>(value, path, *element, kElementFields, {"CBuildingElement", true, readMore});
    return element;
}

std::unique_ptr<CBuilding> ReadBuilding(const json& value, const std::string& path)
{
    auto building = std::make_unique<CBuilding>();
    const auto readMore = [&](const std::string& key, const json& member, const std::string& memberPath) {
        if (key != kElementsMember)
            return false;
        RequireArray(member, memberPath);
        for (size_t i = 0; i < member.size(); ++i)
            building->Add(ReadElement(member[i], ItemPath(memberPath, i)));
        return true;
    };
    ReadObject<CBuilding>(value, path, *building, kBuildingFields, {"CBuilding", false, readMore});
    return building;
}

template <class T>
std::unique_ptr<T> ReadSimplePart(const json& value, const std::string& path, std::span<const Field<T>> fields)
{
    auto part = std::make_unique<T>();
    ReadObject<T>(value, path, *part, fields, {T::ThisClass()->m_className, true, nullptr});
    return part;
}

std::unique_ptr<CNamedObject> ReadPart(const json& value, const std::string& path)
{
    RequireObject(value, path);
    const auto found = value.find("class");
    if (found == value.end())
        Refuse(path, "missing member \"class\"");
    const std::string className = ReadString(*found, MemberPath(path, "class"));
    if (className == CTree::ThisClass()->m_className)
        return ReadSimplePart<CTree>(value, path, kTreeFields);
    if (className == CPlatform::ThisClass()->m_className)
        return ReadSimplePart<CPlatform>(value, path, kPlatformFields);
    if (className == CBuilding::ThisClass()->m_className)
        return ReadBuilding(value, path);
    Refuse(MemberPath(path, "class"), "unknown class \"" + className + "\"");
}

// The parser takes a NUL byte for the end of the text, so whatever follows one after the
// catalogue would pass unseen; any other trailing content it refuses itself.
void RefuseTrailingContent(std::string_view text)
{
    const size_t nul = text.find('\0');
    if (nul == std::string_view::npos)
        return;
    const std::string_view before = text.substr(0, nul);
    const size_t line = static_cast<size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
    const size_t lineStart = before.rfind('\n');
    const size_t column = nul - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
    throw CJsonCatalogueError("Invalid JSON: parse error at line " + std::to_string(line) + ", column "
        + std::to_string(column) + " (byte " + std::to_string(nul) + "): only white space may follow the catalogue");
}

// Refuses an object that names one member twice, which a parser would otherwise settle
// silently by keeping one of them.
json ParseRefusingDuplicates(std::string_view text)
{
    std::vector<std::set<std::string>> openObjects;
    const json::parser_callback_t watchMembers = [&](int, json::parse_event_t event, json& parsed) {
        if (event == json::parse_event_t::object_start) {
            openObjects.emplace_back();
        } else if (event == json::parse_event_t::object_end) {
            openObjects.pop_back();
        } else if (event == json::parse_event_t::key) {
            const auto& key = parsed.get_ref<const std::string&>();
            if (!openObjects.back().insert(key).second)
                Refuse(key, "member given twice");
        }
        return true;
    };
    try {
        json parsed = json::parse(text.begin(), text.end(), watchMembers);
        RefuseTrailingContent(text);
        return parsed;
    } catch (const json::exception& error) {
        // Bad syntax or a number too large for a double; the parser's code in brackets is dropped.
        std::string message = error.what();
        const auto codeEnd = message.find("] ");
        if (codeEnd != std::string::npos)
            message.erase(0, codeEnd + 2);
        throw CJsonCatalogueError("Invalid JSON: " + message);
    }
}

} // namespace

ordered_json CatalogueToJson(const CPartsManager& parts)
{
    ordered_json out = ordered_json::object();
    out[kHeaderMember] = HeaderToJson(*parts.m_pHeader);
    ordered_json list = ordered_json::array();
    for (const auto& part : parts.GetList())
        list.push_back(PartToJson(*part));
    out[kPartsMember] = std::move(list);
    return out;
}

std::string CatalogueToJsonText(const CPartsManager& parts)
{
    return CatalogueToJson(parts).dump(2, ' ', false, ordered_json::error_handler_t::replace) + "\n";
}

void CatalogueFromJson(const json& value, CPartsManager& parts)
{
    RequireObject(value, "");
    for (const auto& [key, member] : value.items()) {
        if (key == kHeaderMember) {
            ReadHeader(member, key, *parts.m_pHeader);
        } else if (key == kPartsMember) {
            RequireArray(member, key);
            for (size_t i = 0; i < member.size(); ++i)
                parts.Add(ReadPart(member[i], ItemPath(key, i)));
        } else {
            Refuse(key, "unknown member");
        }
    }
}

void CatalogueFromJsonText(std::string_view text, CPartsManager& parts)
{
    CatalogueFromJson(ParseRefusingDuplicates(text), parts);
}
