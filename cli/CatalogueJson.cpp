#include "cli/CatalogueJson.h"

#include "model/PartKind.h"
#include "model/PartsManager.h"
#include "model/TextCodec.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <span>
#include <unordered_set>
#include <utility>
#include <variant>
#include <vector>

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

// One stored field of a class: its JSON member name and the member it stands for. The kind of
// value (integer, colour, text) follows from the member's type.
template <class T>
struct Field {
    std::string_view name;
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

// Writes JSON text as it goes, laid out as the JSON library prints with an indent of two, and
// hands it on in pieces, so that a catalogue of any size takes little memory to print.
class CJsonWriter {
public:
    explicit CJsonWriter(std::ostream* out)
        : m_out(out)
    {
    }

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // Member names are the program's own, which need no escapes.
    void Key(std::string_view name)
    {
        NextItem();
        m_text += '"';
        m_text += name;
        m_text += "\": ";
    }
    void Item() { NextItem(); }

    void Value(int32_t number) { AppendNumber(number); }
    void Value(uint32_t number) { AppendNumber(number); }
    void Value(std::string_view text)
    {
        if (NeedsNoEscapes(text)) {
            m_text += '"';
            m_text += text;
            m_text += '"';
        } else {
            // Escapes, and invalid UTF-8 replaced, exactly as the library does it.
            m_text += ordered_json(std::string(text)).dump(-1, ' ', false, ordered_json::error_handler_t::replace);
        }
    }

    void End()
    {
        m_text += '\n';
        HandOn();
    }

    std::string& Text() { return m_text; }

private:
    static constexpr size_t kPiece = size_t(1) << 16;

    static bool NeedsNoEscapes(std::string_view text)
    {
        bool ascii = true;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 || c == '"' || c == '\\')
                return false;
            ascii = ascii && byte < 0x80;
        }
        if (ascii)
            return true;
        for (size_t pos = 0; pos < text.size();)
            if (DecodeUtf8(text, pos) < 0)
                return false;
        return true;
    }

    template <class Number>
    void AppendNumber(Number number)
    {
        char digits[16];
        const auto result = std::to_chars(digits, digits + sizeof digits, number);
        m_text.append(digits, result.ptr);
    }

    void Open(char bracket)
    {
        m_text += bracket;
        m_empty.push_back(true);
    }

    void Close(char bracket)
    {
        const bool empty = m_empty.back();
        m_empty.pop_back();
        if (!empty) {
            m_text += '\n';
            Indent();
        }
        m_text += bracket;
        if (m_text.size() >= kPiece)
            HandOn();
    }

    void NextItem()
    {
        m_text += m_empty.back() ? "\n" : ",\n";
        m_empty.back() = false;
        Indent();
    }

    void Indent() { m_text.append(2 * m_empty.size(), ' '); }

    void HandOn()
    {
        if (!m_out)
            return;
        m_out->write(m_text.data(), static_cast<std::streamsize>(m_text.size()));
        m_text.clear();
    }

    std::ostream* m_out;
    std::string m_text;
    // For each open object or array, whether it has no member yet.
    std::vector<bool> m_empty;
};

template <class T>
void WriteFields(CJsonWriter& out, const T& object, std::span<const Field<T>> fields)
{
    for (const Field<T>& field : fields) {
        out.Key(field.name);
        std::visit([&](auto member) { out.Value(object.*member); }, field.member);
    }
}

// "class" (for list elements), "id" (for objects that keep one) and "name" lead every object.
void BeginObject(CJsonWriter& out, const CNamedObject& object, bool withClass, bool withId)
{
    out.BeginObject();
    if (withClass) {
        out.Key("class");
        out.Value(std::string_view(object.GetRuntimeClass()->m_className));
    }
    if (withId) {
        out.Key("id");
        out.Value(object.m_id);
    }
    out.Key("name");
    out.Value(object.m_name);
}

void WriteManufacturer(CJsonWriter& out, const CManufacturer& manufacturer)
{
    BeginObject(out, manufacturer, false, true);
    WriteFields<CManufacturer>(out, manufacturer, kManufacturerFields);
    out.EndObject();
}

void WriteHeader(CJsonWriter& out, const CHeader& header)
{
    BeginObject(out, header, false, true);
    WriteFields<CHeader>(out, header, kHeaderFields);
    out.Key(kManufacturerMember);
    WriteManufacturer(out, *header.m_pManufacturer);
    out.Key(kRepresentativeMember);
    WriteManufacturer(out, *header.m_pRepresentative);
    out.EndObject();
}

void WriteElement(CJsonWriter& out, const CBuildingElement& element)
{
    BeginObject(out, element, true, true);
    WriteFields<CBuildingElement>(out, element, kElementFields);
    out.Key(kDecorationListNameMember);
    out.Value(element.m_decorations->m_name);
    out.Key(kDecorationsMember);
    out.BeginArray();
    for (size_t i = 0; i < element.m_decorations->GetCount(); ++i) {
        const CDecoration& decoration = element.m_decorations->GetDecoration(i);
        out.Item();
        BeginObject(out, decoration, true, true);
        WriteFields<CDecoration>(out, decoration, kDecorationFields);
        out.EndObject();
    }
    out.EndArray();
    out.EndObject();
}

void WriteBuilding(CJsonWriter& out, const CBuilding& building)
{
    // A building is a list, and the document file keeps no number for a list.
    BeginObject(out, building, true, false);
    WriteFields<CBuilding>(out, building, kBuildingFields);
    out.Key(kElementsMember);
    out.BeginArray();
    for (size_t i = 0; i < building.GetCount(); ++i) {
        out.Item();
        WriteElement(out, building.GetElement(i));
    }
    out.EndArray();
    out.EndObject();
}

template <class T>
void WriteSimplePart(CJsonWriter& out, const T& part, std::span<const Field<T>> fields)
{
    BeginObject(out, part, true, true);
    WriteFields<T>(out, part, fields);
    out.EndObject();
}

void WritePart(CJsonWriter& out, const CNamedObject& part)
{
    VisitPart(part, Overloaded {
                        [&](const CTree& tree) { WriteSimplePart<CTree>(out, tree, kTreeFields); },
                        [&](const CBuilding& building) { WriteBuilding(out, building); },
                        [&](const CPlatform& platform) { WriteSimplePart<CPlatform>(out, platform, kPlatformFields); },
                    });
}

void WriteCatalogue(CJsonWriter& out, const CPartsManager& parts)
{
    out.BeginObject();
    out.Key(kHeaderMember);
    WriteHeader(out, *parts.m_pHeader);
    out.Key(kPartsMember);
    out.BeginArray();
    for (const auto& part : parts.GetList()) {
        out.Item();
        WritePart(out, *part);
    }
    out.EndArray();
    out.EndObject();
    out.End();
}

// ---- Reading

// The message for a fault, led by the member's path when it has one.
std::string Told(const std::string& path, const std::string& problem)
{
    return path.empty() ? problem : path + ": " + problem;
}

[[noreturn]] void Refuse(const std::string& path, const std::string& problem)
{
    throw CJsonCatalogueError(Told(path, problem));
}

std::string MemberPath(const std::string& objectPath, std::string_view member)
{
    return objectPath.empty() ? std::string(member) : objectPath + "." + std::string(member);
}

std::string ItemPath(const std::string& arrayPath, size_t index)
{
    return arrayPath + "[" + std::to_string(index) + "]";
}

// A member's place in the catalogue, spelled out only when a message needs it.
struct MemberPlace {
    const std::string& object;
    std::string_view member;

    std::string Path() const { return MemberPath(object, member); }
};

[[noreturn]] void Refuse(const MemberPlace& place, const std::string& problem)
{
    Refuse(place.Path(), problem);
}

int64_t ReadWholeNumber(const json& value, const MemberPlace& place, int64_t minimum, int64_t maximum)
{
    const auto range = [&] { return "(" + std::to_string(minimum) + " to " + std::to_string(maximum) + ")"; };
    if (value.is_number_unsigned()) {
        const uint64_t number = value.get<uint64_t>();
        if (number > static_cast<uint64_t>(maximum))
            Refuse(place, std::to_string(number) + " is out of range " + range());
        return static_cast<int64_t>(number);
    }
    if (value.is_number_integer()) {
        const int64_t number = value.get<int64_t>();
        if (number < minimum || number > maximum)
            Refuse(place, std::to_string(number) + " is out of range " + range());
        return number;
    }
    if (value.is_number_float()) {
        const double number = value.get<double>();
        if (!std::isfinite(number) || number < static_cast<double>(minimum) || number > static_cast<double>(maximum))
            Refuse(place, value.dump() + " is out of range " + range());
        Refuse(place, "expected a whole number, not " + value.dump());
    }
    Refuse(place, std::string("expected a number, not ") + value.type_name());
}

int32_t ReadInt32(const json& value, const MemberPlace& place)
{
    return static_cast<int32_t>(ReadWholeNumber(
        value, place, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

COLORREF ReadColor(const json& value, const MemberPlace& place)
{
    return static_cast<COLORREF>(ReadWholeNumber(value, place, 0, std::numeric_limits<uint32_t>::max()));
}

const std::string& ReadString(const json& value, const MemberPlace& place)
{
    if (!value.is_string())
        Refuse(place, std::string("expected a string, not ") + value.type_name());
    return value.get_ref<const std::string&>();
}

void RequireObject(const json& value, const std::string& path)
{
    if (!value.is_object())
        Refuse(path, std::string("expected an object, not ") + value.type_name());
}

void RequireArray(const json& value, const MemberPlace& place)
{
    if (!value.is_array())
        Refuse(place, std::string("expected an array, not ") + value.type_name());
}

template <class T>
bool ReadField(T& object, std::span<const Field<T>> fields, const json& value, const MemberPlace& place)
{
    for (const Field<T>& field : fields) {
        if (place.member != field.name)
            continue;
        std::visit(
            [&](auto member) {
                using Value = std::remove_reference_t<decltype(object.*member)>;
                if constexpr (std::is_same_v<Value, std::string>)
                    object.*member = ReadString(value, place);
                else if constexpr (std::is_same_v<Value, COLORREF>)
                    object.*member = ReadColor(value, place);
                else
                    object.*member = ReadInt32(value, place);
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
    std::function<bool(const json& value, const MemberPlace& place)> readMore;
};

template <class T>
void ReadObject(const json& value, const std::string& path, T& object, std::span<const Field<T>> fields,
    const ObjectShape& shape)
{
    RequireObject(value, path);
    for (const auto& [key, member] : value.items()) {
        const MemberPlace place{path, key};
        if (key == "class") {
            const std::string& className = ReadString(member, place);
            if (className != shape.className)
                Refuse(place, "unknown class \"" + className + "\" here, expected \"" + shape.className + "\"");
        } else if (key == "id") {
            if (shape.keepsId)
                object.m_id = ReadInt32(member, place);
        } else if (key == "name") {
            object.m_name = ReadString(member, place);
        } else if (!ReadField(object, fields, member, place) && !(shape.readMore && shape.readMore(member, place))) {
            Refuse(place, "unknown member");
        }
    }
}

void ReadManufacturer(const json& value, const std::string& path, CManufacturer& manufacturer)
{
    ReadObject<CManufacturer>(value, path, manufacturer, kManufacturerFields, {"CManufacturer", true, nullptr});
}

void ReadHeader(const json& value, const std::string& path, CHeader& header)
{
    const auto readMore = [&](const json& member, const MemberPlace& place) {
        if (place.member == kManufacturerMember)
            ReadManufacturer(member, place.Path(), *header.m_pManufacturer);
        else if (place.member == kRepresentativeMember)
            ReadManufacturer(member, place.Path(), *header.m_pRepresentative);
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
    const auto readMore = [&](const json& member, const MemberPlace& place) {
        if (place.member == kDecorationListNameMember) {
            decorations.m_name = ReadString(member, place);
        } else if (place.member == kDecorationsMember) {
            RequireArray(member, place);
            const std::string arrayPath = place.Path();
            for (size_t i = 0; i < member.size(); ++i)
                decorations.Add(ReadDecoration(member[i], ItemPath(arrayPath, i)));
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
    const auto readMore = [&](const json& member, const MemberPlace& place) {
        if (place.member != kElementsMember)
            return false;
        RequireArray(member, place);
        const std::string arrayPath = place.Path();
        for (size_t i = 0; i < member.size(); ++i)
            building->Add(ReadElement(member[i], ItemPath(arrayPath, i)));
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
    const MemberPlace classPlace{path, "class"};
    const std::string& className = ReadString(*found, classPlace);
    const std::optional<EPartKind> kind = PartKindNamed(className);
    if (!kind)
        Refuse(classPlace, "unknown class \"" + className + "\"");
    switch (*kind) {
    case EPartKind::tree:
        return ReadSimplePart<CTree>(value, path, kTreeFields);
    case EPartKind::building:
        return ReadBuilding(value, path);
    case EPartKind::platform:
        break;
    }
    return ReadSimplePart<CPlatform>(value, path, kPlatformFields);
}

// The member names of every open object, to refuse an object that names one member twice
// (a parser would otherwise settle that silently by keeping one of them). The lists are kept
// from object to object, so that the names of most objects take no new memory.
class CMemberNames {
public:
    void Open()
    {
        if (m_depth == m_open.size())
            m_open.emplace_back();
        Names& names = m_open[m_depth++];
        names.few.clear();
        names.many.clear();
    }

    void Close() { --m_depth; }

    // False when the innermost open object has this member already.
    bool Add(const std::string& name)
    {
        Names& names = m_open[m_depth - 1];
        if (!names.many.empty())
            return names.many.insert(name).second;
        // Names are told apart by a hash first, so most checks compare no text.
        const uint64_t hash = Hash(name);
        for (const auto& [knownHash, known] : names.few)
            if (knownHash == hash && known == name)
                return false;
        names.few.emplace_back(hash, name);
        if (names.few.size() > kFew) { // a search through a long list would grow with its square
            for (const auto& [knownHash, known] : names.few)
                names.many.insert(known);
        }
        return true;
    }

private:
    static constexpr size_t kFew = 32;

    static uint64_t Hash(std::string_view name)
    {
        uint64_t hash = 0xCBF29CE484222325u;
        for (const char c : name)
            hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3u;
        return hash;
    }

    struct Names {
        std::vector<std::pair<uint64_t, std::string>> few;
        std::unordered_set<std::string> many;
    };
    std::vector<Names> m_open;
    size_t m_depth = 0;
};

// A quicker way through JSON text of the common kind: it takes only text whose every value the
// JSON library would read alike (whole numbers of up to 18 digits, strings of valid UTF-8
// without escaped surrogates, no byte-order mark, no NUL) and hands the reader the same events.
// Run first without a reader it tells whether the text is of that kind; anything else, every
// fault of syntax among it, goes through the library, whose messages are the ones told.
class CPlainJson {
public:
    explicit CPlainJson(std::string_view text)
        : m_text(text)
    {
    }

    bool IsPlain()
    {
        NoEvents none;
        return m_text.find('\0') == std::string_view::npos && Walk(none);
    }

    template <class Sax>
    void Send(Sax& sax)
    {
        Walk(sax);
    }

private:
    struct NoEvents {
        bool null() { return true; }
        bool boolean(bool) { return true; }
        bool number_integer(int64_t) { return true; }
        bool number_unsigned(uint64_t) { return true; }
        bool string(std::string&) { return true; }
        bool key(std::string&) { return true; }
        bool start_object(size_t) { return true; }
        bool end_object() { return true; }
        bool start_array(size_t) { return true; }
        bool end_array() { return true; }
    };

    static constexpr size_t kUnknownSize = static_cast<size_t>(-1);
    static constexpr size_t kMaxDigits = 18;

    template <class Sax>
    bool Walk(Sax& sax)
    {
        m_pos = 0;
        m_open.clear();
        if (m_text.empty() || static_cast<unsigned char>(m_text[0]) == 0xEF)
            return false;
        for (;;) {
            // A value.
            SkipSpace();
            if (AtEnd())
                return false;
            const char c = m_text[m_pos];
            if (c == '{' || c == '[') {
                ++m_pos;
                SkipSpace();
                if (c == '{')
                    sax.start_object(kUnknownSize);
                else
                    sax.start_array(kUnknownSize);
                if (!AtEnd() && m_text[m_pos] == (c == '{' ? '}' : ']')) {
                    ++m_pos;
                    if (c == '{')
                        sax.end_object();
                    else
                        sax.end_array();
                } else {
                    m_open.push_back(c);
                    if (c == '{' && !Key(sax))
                        return false;
                    continue;
                }
            } else if (c == '"') {
                if (!String())
                    return false;
                sax.string(m_string);
            } else if (c == '-' || (c >= '0' && c <= '9')) {
                if (!Number(sax))
                    return false;
            } else if (Literal("true")) {
                sax.boolean(true);
            } else if (Literal("false")) {
                sax.boolean(false);
            } else if (Literal("null")) {
                sax.null();
            } else {
                return false;
            }
            // What follows a value: the next member or item, or the end of its containers.
            for (;;) {
                SkipSpace();
                if (m_open.empty())
                    return AtEnd();
                if (AtEnd())
                    return false;
                const char next = m_text[m_pos++];
                const bool inObject = m_open.back() == '{';
                if (next == ',') {
                    if (inObject && !Key(sax))
                        return false;
                    break;
                }
                if (next != (inObject ? '}' : ']'))
                    return false;
                m_open.pop_back();
                if (inObject)
                    sax.end_object();
                else
                    sax.end_array();
            }
        }
    }

    bool AtEnd() const { return m_pos >= m_text.size(); }

    void SkipSpace()
    {
        while (!AtEnd() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\n' || m_text[m_pos] == '\r' || m_text[m_pos] == '\t'))
            ++m_pos;
    }

    bool Literal(std::string_view word)
    {
        if (m_text.substr(m_pos, word.size()) != word)
            return false;
        m_pos += word.size();
        return true;
    }

    // A member name and its colon.
    template <class Sax>
    bool Key(Sax& sax)
    {
        SkipSpace();
        if (AtEnd() || m_text[m_pos] != '"' || !String())
            return false;
        sax.key(m_string);
        SkipSpace();
        if (AtEnd() || m_text[m_pos] != ':')
            return false;
        ++m_pos;
        return true;
    }

    bool String()
    {
        m_string.clear();
        ++m_pos; // the opening quote
        for (;;) {
            // A run of bytes that stand for themselves.
            const size_t start = m_pos;
            while (!AtEnd()) {
                const auto byte = static_cast<unsigned char>(m_text[m_pos]);
                if (byte < 0x20 || byte == '"' || byte == '\\' || byte >= 0x80)
                    break;
                ++m_pos;
            }
            m_string.append(m_text.substr(start, m_pos - start));
            if (AtEnd())
                return false;
            const auto byte = static_cast<unsigned char>(m_text[m_pos]);
            if (byte == '"') {
                ++m_pos;
                return true;
            }
            if (byte < 0x20)
                return false;
            if (byte >= 0x80) {
                const size_t first = m_pos;
                if (DecodeUtf8(m_text, m_pos) < 0)
                    return false;
                m_string.append(m_text.substr(first, m_pos - first));
                continue;
            }
            if (!Escape())
                return false;
        }
    }

    bool Escape()
    {
        if (m_pos + 1 >= m_text.size())
            return false;
        const char kind = m_text[m_pos + 1];
        m_pos += 2;
        switch (kind) {
        case '"': m_string += '"'; return true;
        case '\\': m_string += '\\'; return true;
        case '/': m_string += '/'; return true;
        case 'b': m_string += '\b'; return true;
        case 'f': m_string += '\f'; return true;
        case 'n': m_string += '\n'; return true;
        case 'r': m_string += '\r'; return true;
        case 't': m_string += '\t'; return true;
        case 'u': break;
        default: return false;
        }
        if (m_pos + 4 > m_text.size())
            return false;
        char32_t code = 0;
        for (int i = 0; i < 4; ++i) {
            const char digit = m_text[m_pos++];
            code <<= 4;
            if (digit >= '0' && digit <= '9')
                code |= static_cast<char32_t>(digit - '0');
            else if (digit >= 'a' && digit <= 'f')
                code |= static_cast<char32_t>(digit - 'a' + 10);
            else if (digit >= 'A' && digit <= 'F')
                code |= static_cast<char32_t>(digit - 'A' + 10);
            else
                return false;
        }
        if (code >= 0xD800 && code <= 0xDFFF)
            return false; // pairs and their faults are left to the library
        AppendUtf8(code, m_string);
        return true;
    }

    template <class Sax>
    bool Number(Sax& sax)
    {
        const bool negative = m_text[m_pos] == '-';
        if (negative)
            ++m_pos;
        const size_t start = m_pos;
        uint64_t value = 0;
        while (!AtEnd() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9')
            value = value * 10 + static_cast<uint64_t>(m_text[m_pos++] - '0');
        const size_t digits = m_pos - start;
        if (digits == 0 || digits > kMaxDigits || (digits > 1 && m_text[start] == '0'))
            return false;
        if (!AtEnd() && (m_text[m_pos] == '.' || m_text[m_pos] == 'e' || m_text[m_pos] == 'E'))
            return false; // a number with a fraction or an exponent
        if (negative)
            sax.number_integer(-static_cast<int64_t>(value));
        else
            sax.number_unsigned(value);
        return true;
    }

    std::string_view m_text;
    size_t m_pos = 0;
    std::string m_open;
    std::string m_string;
};

// Reads a catalogue while the parser goes through its text: the header and each part are
// gathered alone and read as soon as they close, so the work grows with the length of the
// text and the memory with the largest part. Bad syntax and a member given twice end the
// reading at once; any other fault is kept until the end, and of several, the one told is the
// one met first when the members of the whole text are taken in the order of their names.
class CCatalogueReader {
public:
    using string_t = json::string_t;
    using binary_t = json::binary_t;

    explicit CCatalogueReader(CPartsManager& parts)
        : m_parts(parts)
    {
    }

    // Throws the fault kept, if any.
    void Finish() const
    {
        if (m_fault)
            throw CJsonCatalogueError(m_fault->message);
    }

    bool null() { return Value(json::value_t::null, [&] { m_gather.null(); }); }
    bool boolean(bool value) { return Value(json::value_t::boolean, [&] { m_gather.boolean(value); }); }
    bool number_integer(json::number_integer_t value)
    {
        return Value(json::value_t::number_integer, [&] { m_gather.number_integer(value); });
    }
    bool number_unsigned(json::number_unsigned_t value)
    {
        return Value(json::value_t::number_unsigned, [&] { m_gather.number_unsigned(value); });
    }
    bool number_float(json::number_float_t value, const string_t& text)
    {
        return Value(json::value_t::number_float, [&] { m_gather.number_float(value, text); });
    }
    bool string(string_t& value) { return Value(json::value_t::string, [&] { m_gather.string(value); }); }
    bool binary(binary_t& value) { return Value(json::value_t::binary, [&] { m_gather.binary(value); }); }

    bool start_object(size_t size)
    {
        m_names.Open();
        return Open(json::value_t::object, [&] { m_gather.start_object(size); });
    }
    bool end_object()
    {
        m_names.Close();
        return Close([&] { m_gather.end_object(); });
    }
    bool start_array(size_t size) { return Open(json::value_t::array, [&] { m_gather.start_array(size); }); }
    bool end_array() { return Close([&] { m_gather.end_array(); }); }

    bool key(string_t& name)
    {
        if (!m_names.Add(name))
            Refuse(name, "member given twice");
        if (m_gathering)
            return m_gather.key(name);
        if (m_depth == 1)
            m_member = name;
        return true;
    }

    template <class Exception>
    bool parse_error(size_t, const std::string&, const Exception& error)
    {
        throw error;
    }

private:
    // What a value that starts at the current depth stands for.
    enum class Role { root, header, parts, part, unknownMember, none };

    template <class Forward>
    bool Value(json::value_t type, Forward forward)
    {
        if (!m_gathering && !BeginGathering(type))
            return true;
        forward();
        if (m_depth == m_gatheredDepth)
            ReadGathered();
        return true;
    }

    template <class Forward>
    bool Open(json::value_t type, Forward forward)
    {
        if (m_gathering || BeginGathering(type))
            forward();
        ++m_depth;
        return true;
    }

    template <class Forward>
    bool Close(Forward forward)
    {
        --m_depth;
        if (m_gathering) {
            forward();
            if (m_depth == m_gatheredDepth)
                ReadGathered();
        } else if (m_depth == 1) {
            m_inParts = false;
        }
        return true;
    }

    Role RoleHere() const
    {
        if (m_depth == 0)
            return Role::root;
        if (m_depth == 1 && m_rootIsObject) {
            if (m_member == kHeaderMember)
                return Role::header;
            if (m_member == kPartsMember)
                return Role::parts;
            return Role::unknownMember;
        }
        if (m_depth == 2 && m_inParts)
            return Role::part;
        return Role::none;
    }

    // Settles what a new value at this depth stands for; true when it is to be gathered.
    bool BeginGathering(json::value_t type)
    {
        switch (RoleHere()) {
        case Role::root:
            m_rootIsObject = type == json::value_t::object;
            if (!m_rootIsObject)
                Keep("", std::string("expected an object, not ") + json(type).type_name());
            return false;
        case Role::header:
            m_gatheredRole = Role::header;
            break;
        case Role::parts:
            m_inParts = type == json::value_t::array;
            if (!m_inParts)
                Keep(kPartsMember, Told(kPartsMember, std::string("expected an array, not ") + json(type).type_name()));
            return false;
        case Role::part:
            m_gatheredRole = Role::part;
            break;
        case Role::unknownMember:
            Keep(m_member, Told(m_member, "unknown member"));
            return false;
        case Role::none:
            return false;
        }
        m_gathering = true;
        m_gatheredDepth = m_depth;
        return true;
    }

    void ReadGathered()
    {
        m_gathering = false;
        const json gathered = std::exchange(m_gathered, json());
        if (m_gatheredRole == Role::header) {
            if (Matters(kHeaderMember))
                ReadInto(kHeaderMember, [&] { ReadHeader(gathered, kHeaderMember, *m_parts.m_pHeader); });
            return;
        }
        const size_t index = m_partIndex++;
        if (Matters(kPartsMember))
            ReadInto(kPartsMember, [&] { m_parts.Add(ReadPart(gathered, ItemPath(kPartsMember, index))); });
    }

    template <class Read>
    void ReadInto(const std::string& member, Read read)
    {
        try {
            read();
        } catch (const CJsonCatalogueError& error) {
            Keep(member, error.what());
        }
    }

    // Whether a fault in this top-level member would come before the fault kept so far.
    bool Matters(const std::string& member) const { return !m_fault || member < m_fault->member; }

    void Keep(const std::string& member, std::string message)
    {
        if (Matters(member))
            m_fault = Fault{member, std::move(message)};
    }

    struct Fault {
        std::string member;
        std::string message;
    };

    CPartsManager& m_parts;
    CMemberNames m_names;
    size_t m_depth = 0;
    bool m_rootIsObject = false;
    std::string m_member;
    bool m_inParts = false;
    size_t m_partIndex = 0;
    bool m_gathering = false;
    size_t m_gatheredDepth = 0;
    Role m_gatheredRole = Role::none;
    json m_gathered;
    nlohmann::detail::json_sax_dom_parser<json> m_gather{m_gathered};
    std::optional<Fault> m_fault;
};

} // namespace

ordered_json CatalogueToJson(const CPartsManager& parts)
{
    return ordered_json::parse(CatalogueToJsonText(parts));
}

std::string CatalogueToJsonText(const CPartsManager& parts)
{
    CJsonWriter out(nullptr);
    WriteCatalogue(out, parts);
    return std::move(out.Text());
}

void WriteCatalogueJson(const CPartsManager& parts, std::ostream& out)
{
    CJsonWriter writer(&out);
    WriteCatalogue(writer, parts);
}

void CatalogueFromJson(const json& value, CPartsManager& parts)
{
    RequireObject(value, "");
    for (const auto& [key, member] : value.items()) {
        if (key == kHeaderMember) {
            ReadHeader(member, key, *parts.m_pHeader);
        } else if (key == kPartsMember) {
            RequireArray(member, MemberPlace{"", key});
            for (size_t i = 0; i < member.size(); ++i)
                parts.Add(ReadPart(member[i], ItemPath(key, i)));
        } else {
            Refuse(key, "unknown member");
        }
    }
}

// The parser takes a NUL byte for the end of the text, so whatever follows one after the
// catalogue would pass unseen; any other trailing content it refuses itself.
static void RefuseTrailingContent(std::string_view text)
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

void CatalogueFromJsonText(std::string_view text, CPartsManager& parts)
{
    CCatalogueReader reader(parts);
    CPlainJson plain(text);
    bool isPlain = false;
    try {
        isPlain = plain.IsPlain();
        if (isPlain)
            plain.Send(reader);
        else
            json::sax_parse(text.begin(), text.end(), &reader);
    } catch (const json::exception& error) {
        // Bad syntax or a number too large for a double; the parser's code in brackets is dropped.
        std::string message = error.what();
        const auto codeEnd = message.find("] ");
        if (codeEnd != std::string::npos)
            message.erase(0, codeEnd + 2);
        throw CJsonCatalogueError("Invalid JSON: " + message);
    }
    if (!isPlain) // plain text has no NUL
        RefuseTrailingContent(text);
    reader.Finish();
}
