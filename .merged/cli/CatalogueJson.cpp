#include "cli/CatalogueJson.h"

#include "cli/JsonScanner.h"
#include "export/PartsText.h"
#include "model/PartKind.h"
#include "model/PartsManager.h"
#include "model/TextCodec.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <span>
#include <stdexcept>
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
// hands it on in pieces, so that a catalogue of any size takes little memory to print. Each
// step is composed in place in the buffer.
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
        char* out = NextItem(name.size() + 4);
        *out++ = '"';
        out = Copy(out, name);
        End(Copy(out, "\": "));
    }
    void Item() { End(NextItem(0)); }

    void Value(int32_t number) { End(CPartsText::FormatInt(Room(CPartsText::kMaxIntChars), number)); }
    void Value(uint32_t number) { AppendNumber(number); }
    void Value(std::string_view text)
    {
        if (IsPlainJsonText(text) || NeedsNoEscapes(text)) {
            char* out = Room(text.size() + 2);
            *out++ = '"';
            out = Copy(out, text);
            *out++ = '"';
            End(out);
        } else {
            // Escapes, and invalid UTF-8 replaced, exactly as the library does it.
            const std::string escaped = ordered_json(std::string(text)).dump(-1, ' ', false, ordered_json::error_handler_t::replace);
            End(Copy(Room(escaped.size()), escaped));
        }
    }

    void End()
    {
        End(Copy(Room(1), "\n"));
        HandOn();
    }

    std::string Text()
    {
        m_text.resize(m_size);
        return std::move(m_text);
    }

private:
    static constexpr size_t kPiece = size_t(1) << 18;
    // Objects and arrays nest no deeper than a catalogue's.
    static constexpr size_t kMaxDepth = 63;
    static constexpr size_t kShortIndent = 16;
    static constexpr char kBlanks[kShortIndent + 1] = "                ";

    // Text beyond ASCII (no quote, backslash or control character in it) that is valid UTF-8.
    // One pass: a byte below 0x80 is never part of a longer sequence.
    static bool NeedsNoEscapes(std::string_view text)
    {
        for (size_t pos = 0; pos < text.size();) {
            const auto byte = static_cast<unsigned char>(text[pos]);
            if (byte >= 0x80) {
                if (DecodeUtf8(text, pos) < 0)
                    return false;
            } else if (byte < 0x20 || byte == '"' || byte == '\\') {
                return false;
            } else {
                ++pos;
            }
        }
        return true;
    }

    static char* Copy(char* out, std::string_view text)
    {
        std::memcpy(out, text.data(), text.size());
        return out + text.size();
    }

    // Space for n more bytes at the end of the text.
    char* Room(size_t n)
    {
        if (m_text.size() - m_size < n)
            m_text.resize(std::max(2 * m_text.size(), m_size + n + kPiece));
        return m_text.data() + m_size;
    }
    void End(const char* end) { m_size = static_cast<size_t>(end - m_text.data()); }

    template <class Number>
    void AppendNumber(Number number)
    {
        char* out = Room(16);
        End(std::to_chars(out, out + 16, number).ptr);
    }

    void Open(char bracket)
    {
        if (m_depth == kMaxDepth)
            throw std::logic_error("JSON nested too deeply");
        *Room(1) = bracket;
        ++m_size;
        m_empty |= uint64_t(1) << ++m_depth;
    }

    void Close(char bracket)
    {
        const bool empty = m_empty & (uint64_t(1) << m_depth);
        m_empty &= ~(uint64_t(1) << m_depth);
        --m_depth;
        char* out = Room(2 * m_depth + 2 + kShortIndent);
        if (!empty)
            out = Indent(Copy(out, "\n"));
        *out++ = bracket;
        End(out);
        if (m_size >= kPiece)
            HandOn();
    }

    // The comma and line end before the next member or item, its indent, and room for more.
    char* NextItem(size_t more)
    {
        const uint64_t bit = uint64_t(1) << m_depth;
        char* out = Room(2 + 2 * m_depth + kShortIndent + more);
        if (m_empty & bit)
            m_empty &= ~bit;
        else
            *out++ = ',';
        *out++ = '\n';
        return Indent(out);
    }

    // Room has been made for a short indent whole: most are written in one fixed-size copy,
    // and what follows overwrites the blanks beyond the indent.
    char* Indent(char* out) const
    {
        const size_t width = 2 * m_depth;
        if (width <= kShortIndent)
            std::memcpy(out, kBlanks, kShortIndent);
        else
            std::memset(out, ' ', width);
        return out + width;
    }

    void HandOn()
    {
        if (!m_out)
            return;
        m_out->write(m_text.data(), static_cast<std::streamsize>(m_size));
        m_size = 0;
    }

    std::ostream* m_out;
    // The text not yet handed on is the first m_size bytes.
    std::string m_text;
    size_t m_size = 0;
    size_t m_depth = 0;
    // For each open object or array, by its depth, whether it has no member yet.
    uint64_t m_empty = 0;
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
    return objectPath.empty() ? Abridged(member) : objectPath + "." + Abridged(member);
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
                Refuse(place, "unknown class \"" + Abridged(className) + "\" here, expected \"" + shape.className + "\"");
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
        Refuse(classPlace, "unknown class \"" + Abridged(className) + "\"");
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

// Thrown where a part holds what the quick way of reading does not take: a fault, or members
// the quick way does not expect. The part is then read through the JSON library's tree of it,
// which tells a fault exactly as for any other value.
struct SUnusualPart {};

// Reads a catalogue in one pass through its text. A part written as dump writes it (its class
// first) goes straight into its object; any other part, and the header, go through the JSON
// library's tree of that one value, so the memory grows with the largest part. Bad syntax and
// a member given twice end the reading at once; any other fault is kept until the end, and of
// several, the one told is the one met first when the members of the whole text are taken in
// the order of their names.
class CCatalogueTextReader {
public:
    CCatalogueTextReader(std::string_view text, CPartsManager& parts)
        : m_in(text)
        , m_parts(parts)
    {
    }

    void Read()
    {
        const char first = m_in.Peek();
        if (first != '{') {
            m_in.SkipValue();
            Keep("", std::string("expected an object, not ") + CJsonScanner::TypeNameOf(first));
        } else if (!m_in.Open('{')) {
            std::unordered_set<std::string> names;
            do {
                std::string member(m_in.Key());
                if (!names.insert(member).second)
                    CJsonScanner::RefuseMemberGivenTwice(member);
                if (member == kHeaderMember) {
                    ReadHeaderMember();
                } else if (member == kPartsMember) {
                    ReadPartsMember();
                } else {
                    m_in.SkipValue();
                    Keep(member, Told(Abridged(member), "unknown member"));
                }
            } while (m_in.More('}'));
        }
        m_in.End();
    }

    // Throws the fault kept, if any.
    void Finish() const
    {
        if (m_fault)
            throw CJsonCatalogueError(m_fault->message);
    }

private:
    // Which members of an object were met ("class", "id", "name", the fields, then the members
    // beyond them, one bit each), and the field most likely next, as dump writes them in order.
    struct SMembersMet {
        uint64_t bits = 0;
        size_t nextField = 0;
    };
    static constexpr uint64_t kClassBit = 1;
    static constexpr uint64_t kIdBit = 2;
    static constexpr uint64_t kNameBit = 4;
    static constexpr int kFirstFieldBit = 3;
    static constexpr int kFirstMoreBit = 40;

    size_t StartOfValue()
    {
        m_in.Peek();
        return m_in.Position();
    }

    // The value read from start on, as the JSON library's tree.
    json TreeFrom(size_t start) const { return json::parse(m_in.TextFrom(start)); }

    void ReadHeaderMember()
    {
        const size_t start = StartOfValue();
        m_in.SkipValue();
        if (Matters(kHeaderMember))
            ReadInto(kHeaderMember, [&] { ReadHeader(TreeFrom(start), kHeaderMember, *m_parts.m_pHeader); });
    }

    void ReadPartsMember()
    {
        const char first = m_in.Peek();
        if (first != '[') {
            m_in.SkipValue();
            Keep(kPartsMember, Told(kPartsMember, std::string("expected an array, not ") + CJsonScanner::TypeNameOf(first)));
            return;
        }
        if (m_in.Open('['))
            return;
        size_t index = 0;
        do
            ReadPartAt(index++);
        while (m_in.More(']'));
    }

    void ReadPartAt(size_t index)
    {
        const size_t start = StartOfValue();
        if (!Matters(kPartsMember)) {
            m_in.SkipValue();
            return;
        }
        try {
            m_parts.Add(QuickPart());
            return;
        } catch (const SUnusualPart&) {
        }
        m_in.Rewind(start);
        m_in.SkipValue();
        ReadInto(kPartsMember, [&] { m_parts.Add(ReadPart(TreeFrom(start), ItemPath(kPartsMember, index))); });
    }

    std::unique_ptr<CNamedObject> QuickPart()
    {
        if (m_in.Peek() != '{' || m_in.Open('{') || m_in.Key() != "class" || m_in.Peek() != '"')
            throw SUnusualPart();
        const std::optional<EPartKind> kind = PartKindNamed(m_in.String());
        if (!kind)
            throw SUnusualPart();
        switch (*kind) {
        case EPartKind::tree:
            return QuickSimplePart<CTree>(kTreeFields);
        case EPartKind::building:
            return QuickBuilding();
        case EPartKind::platform:
            break;
        }
        return QuickSimplePart<CPlatform>(kPlatformFields);
    }

    template <class T>
    std::unique_ptr<T> QuickSimplePart(std::span<const Field<T>> fields)
    {
        auto part = std::make_unique<T>();
        SMembersMet met {kClassBit};
        while (m_in.More('}'))
            QuickMember<T>(*part, fields, {T::ThisClass()->m_className, true}, {}, [](size_t) {}, met);
        return part;
    }

    std::unique_ptr<CBuilding> QuickBuilding()
    {
        auto building = std::make_unique<CBuilding>();
        static constexpr std::string_view more[] = {kElementsMember};
        SMembersMet met {kClassBit};
        while (m_in.More('}'))
            QuickMember<CBuilding>(*building, kBuildingFields, {"CBuilding", false}, more,
                [&](size_t) { QuickArray([&] { building->Add(QuickElement()); }); }, met);
        return building;
    }

    std::unique_ptr<CBuildingElement> QuickElement()
    {
        auto element = std::make_unique<CBuildingElement>();
        CDecorationManager& decorations = *element->m_decorations;
        static constexpr std::string_view more[] = {kDecorationListNameMember, kDecorationsMember};
        QuickObject<CBuildingElement>(*element, kElementFields, {"CBuildingElement", true}, more, [&](size_t which) {
            if (which == 0)
                decorations.m_name = QuickString();
            else
                QuickArray([&] { decorations.Add(QuickDecoration()); });
        });
        return element;
    }

    std::unique_ptr<CDecoration> QuickDecoration()
    {
        auto decoration = std::make_unique<CDecoration>();
        QuickObject<CDecoration>(*decoration, kDecorationFields, {"CDecoration", true}, {}, [](size_t) {});
        return decoration;
    }

    // The class an object's "class" member must name, and whether "id" sets its number.
    struct SQuickShape {
        std::string_view className;
        bool keepsId;
    };

    template <class T, class ReadMore>
    void QuickObject(T& object, std::span<const Field<T>> fields, SQuickShape shape,
        std::span<const std::string_view> more, ReadMore readMore)
    {
        if (m_in.Peek() != '{')
            throw SUnusualPart();
        if (m_in.Open('{'))
            return;
        SMembersMet met;
        do
            QuickMember<T>(object, fields, shape, more, readMore, met);
        while (m_in.More('}'));
    }

    // One member and its value; readMore reads the value of the member more names at its index.
    template <class T, class ReadMore>
    void QuickMember(T& object, std::span<const Field<T>> fields, SQuickShape shape,
        std::span<const std::string_view> more, ReadMore readMore, SMembersMet& met)
    {
        const std::string_view key = m_in.Key();
        const size_t field = FieldIndex(fields, key, met.nextField);
        if (field < fields.size()) {
            Meet(met, uint64_t(1) << (kFirstFieldBit + field));
            QuickField(object, fields[field]);
        } else if (key == "class") {
            Meet(met, kClassBit);
            if (QuickString() != shape.className)
                throw SUnusualPart();
        } else if (key == "id") {
            Meet(met, kIdBit);
            if (shape.keepsId)
                object.m_id = static_cast<int32_t>(QuickWhole(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
            else
                m_in.SkipValue();
        } else if (key == "name") {
            Meet(met, kNameBit);
            object.m_name = QuickString();
        } else {
            const auto found = std::find(more.begin(), more.end(), key);
            if (found == more.end())
                throw SUnusualPart();
            const auto which = static_cast<size_t>(found - more.begin());
            Meet(met, uint64_t(1) << (kFirstMoreBit + which));
            readMore(which);
        }
    }

    template <class T>
    static size_t FieldIndex(std::span<const Field<T>> fields, std::string_view key, size_t& next)
    {
        if (next < fields.size() && fields[next].name == key)
            return next++;
        for (size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].name == key) {
                next = i + 1;
                return i;
            }
        }
        return fields.size();
    }

    // A member met twice is told by the careful reading.
    static void Meet(SMembersMet& met, uint64_t bit)
    {
        if (met.bits & bit)
            throw SUnusualPart();
        met.bits |= bit;
    }

    template <class T>
    void QuickField(T& object, const Field<T>& field)
    {
        std::visit(
            [&](auto member) {
                using Value = std::remove_reference_t<decltype(object.*member)>;
                if constexpr (std::is_same_v<Value, std::string>)
                    object.*member = QuickString();
                else if constexpr (std::is_same_v<Value, COLORREF>)
                    object.*member = static_cast<COLORREF>(QuickWhole(0, std::numeric_limits<uint32_t>::max()));
                else
                    object.*member = static_cast<int32_t>(
                        QuickWhole(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
            },
            field.member);
    }

    std::string_view QuickString()
    {
        if (m_in.Peek() != '"')
            throw SUnusualPart();
        return m_in.String();
    }

    int64_t QuickWhole(int64_t minimum, int64_t maximum)
    {
        const char first = m_in.Peek();
        int64_t value = 0;
        if ((first != '-' && (first < '0' || first > '9')) || !m_in.Number(value) || value < minimum || value > maximum)
            throw SUnusualPart();
        return value;
    }

    template <class Each>
    void QuickArray(Each each)
    {
        if (m_in.Peek() != '[')
            throw SUnusualPart();
        if (m_in.Open('['))
            return;
        do
            each();
        while (m_in.More(']'));
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

    CJsonScanner m_in;
    CPartsManager& m_parts;
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
    return out.Text();
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
            Refuse(Abridged(key), "unknown member");
        }
    }
}

void CatalogueFromJsonText(std::string_view text, CPartsManager& parts)
{
    CCatalogueTextReader reader(text, parts);
    try {
        reader.Read();
    } catch (const json::exception& error) {
        // The library refused a value the scanner took; the library's code in brackets is dropped.
        std::string message = error.what();
        const auto codeEnd = message.find("] ");
        if (codeEnd != std::string::npos)
            message.erase(0, codeEnd + 2);
        throw CJsonCatalogueError("Invalid JSON: " + Abridged(message));
    }
    reader.Finish();
}
