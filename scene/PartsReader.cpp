#include "scene/PartsReader.h"

#include "export/KeywordTable.h"
#include "model/FileIO.h"
#include "model/TextCodec.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <string>

namespace {

// Keywords of every column mean the same role wherever they appear, so one lookup serves all
// dialects.
class CKeywordLookup {
public:
    CKeywordLookup()
    {
        for (int role = 0; role < kKeywordRoles; ++role)
            for (int column = 0; column < kKeywordColumns; ++column)
                Add(std::string(kPartsKeywords[role][column]), static_cast<EKeyword>(role));
        // The table has the English 6.x hexahedron's correct spelling; the older one means the same.
        Add(std::string(kHexahedronOldSpelling), kw3DHexahedron);
        for (const EKeyword end : {kwEnd})
            for (int column = 0; column < kKeywordColumns; ++column)
                for (const EKeyword opened : {kwStructure, kwHeader, kwManufacturer, kwLocalSupplier})
                    for (int other = 0; other < kKeywordColumns; ++other)
                        AddEnd(std::string(kPartsKeywords[end][column]) + std::string(kPartsKeywords[opened][other]), opened);
    }

    // The role of a word, or kKeywordRoles when it is none.
    EKeyword Find(std::string_view word) const { return m_roles.Find(word); }
    // What an End line closes (End followed directly by the opening keyword), or kKeywordRoles.
    EKeyword FindEnd(std::string_view word) const { return m_ends.Find(word); }

private:
    static std::string Trimmed(std::string text)
    {
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        return text;
    }
    void Add(const std::string& keyword, EKeyword role)
    {
        const std::string word = Trimmed(keyword);
        if (!word.empty())
            m_roles.Add(Keep(word), role);
    }
    void AddEnd(const std::string& keyword, EKeyword opened)
    {
        const std::string word = Trimmed(keyword);
        m_ends.Add(Keep(word), opened);
    }
    std::string_view Keep(const std::string& word)
    {
        m_words.push_back(std::make_unique<std::string>(word));
        return *m_words.back();
    }

    // Every line of a file asks for its first word, so the table is an open-addressed array
    // hashed on the word's length and three of its letters: one or two probes, no allocation.
    class CWordTable {
    public:
        // The first role given to a word wins.
        void Add(std::string_view word, EKeyword role)
        {
            size_t slot = Slot(word);
            while (m_entries[slot].m_role != kKeywordRoles) {
                if (m_entries[slot].m_word == word)
                    return;
                slot = (slot + 1) % kSlots;
            }
            m_entries[slot] = {word, role};
        }
        EKeyword Find(std::string_view word) const
        {
            if (word.empty())
                return kKeywordRoles;
            for (size_t slot = Slot(word);; slot = (slot + 1) % kSlots) {
                const SEntry& entry = m_entries[slot];
                if (entry.m_role == kKeywordRoles || entry.m_word == word)
                    return entry.m_role;
            }
        }

    private:
        // Room for every keyword of every column several times over, so a probe ends soon.
        static constexpr size_t kSlots = 2048;
        static_assert(kSlots >= 4 * kKeywordRoles * kKeywordColumns, "the table must stay sparse");
        struct SEntry {
            std::string_view m_word;
            EKeyword m_role = kKeywordRoles;
        };
        static size_t Slot(std::string_view word)
        {
            const auto letter = [word](size_t i) { return static_cast<size_t>(static_cast<unsigned char>(word[i])); };
            const size_t last = word.size() - 1;
            return (word.size() * 0x9e5 + letter(0) * 0x3b + letter(last / 2) * 0x1f1 + letter(last) * 0x65) % kSlots;
        }
        std::array<SEntry, kSlots> m_entries {};
    };

    std::vector<std::unique_ptr<std::string>> m_words;
    CWordTable m_roles;
    CWordTable m_ends;
};

const CKeywordLookup& Keywords()
{
    static const CKeywordLookup lookup;
    return lookup;
}

struct SToken {
    std::string_view m_text;
    int m_column = 0;
};

// What the quick reading needs to know of a byte, looked up rather than compared.
enum ECharClass : uint8_t { kBlankChar = 1, kLineEndChar = 2 };
constexpr std::array<uint8_t, 256> kCharClasses = [] {
    std::array<uint8_t, 256> classes {};
    classes[' '] = classes['\t'] = kBlankChar;
    classes['\n'] = classes['\r'] = kLineEndChar;
    return classes;
}();

uint8_t ClassOf(char c) { return kCharClasses[static_cast<unsigned char>(c)]; }
bool IsBlank(char c) { return ClassOf(c) == kBlankChar; }
bool IsLineEnd(char c) { return ClassOf(c) == kLineEndChar; }

// A line ends with LF, CR LF or CR alone; p stands on its first byte. Returns where the next
// line starts.
const char* AfterLineEnd(const char* p, const char* const end)
{
    return *p == '\r' && p + 1 < end && p[1] == '\n' ? p + 2 : p + 1;
}

const char* FindLineEnd(const char* p, const char* const end)
{
    const auto* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
    if (!lf)
        lf = end;
    const auto* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<size_t>(lf - p)));
    return cr ? cr : lf;
}

// A line's words; more than fit are dropped, as no record has that many.
class CTokens {
public:
    static constexpr size_t kMax = 12;

    explicit CTokens(std::string_view line)
    {
        size_t pos = 0;
        while (pos < line.size()) {
            while (pos < line.size() && IsBlank(line[pos]))
                ++pos;
            if (pos >= line.size())
                break;
            const size_t start = pos;
            while (pos < line.size() && !IsBlank(line[pos]))
                ++pos;
            if (m_count < kMax)
                m_tokens[m_count++] = {line.substr(start, pos - start), static_cast<int>(start) + 1};
            else
                m_dropped = true;
        }
    }
    size_t Count() const { return m_count + (m_dropped ? 1 : 0); }
    size_t Stored() const { return m_count; }
    const SToken& operator[](size_t i) const { return m_tokens[i]; }

private:
    std::array<SToken, kMax> m_tokens {};
    size_t m_count = 0;
    bool m_dropped = false;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A number rather than a keyword such as "3DQuads".
bool StartsLikeNumber(std::string_view word)
{
    if (word.empty() || !(IsDigit(word[0]) || word[0] == '-' || word[0] == '+'))
        return false;
    return word.size() == 1 || IsDigit(word[1]) || word[1] == '-' || word[1] == '+';
}

// What a record of a part draws and how many numbers it takes, and whether a colour follows
// them. Polygon and Curveline take any number of points and are read apart.
struct SRecordShape {
    enum EPrimitive { None, Plan, Group, Solid } m_primitive = None;
    EPlanKind m_plan = EPlanKind::Line;
    EGroupKind m_group = EGroupKind::Quads;
    ESolidKind m_solid = ESolidKind::Cylinder;
    size_t m_count = 0;
    bool m_colored = false;
};

SRecordShape ShapeOf(EKeyword role)
{
    const auto plan = [](EPlanKind kind, size_t count, bool colored) {
        return SRecordShape {SRecordShape::Plan, kind, {}, {}, count, colored};
    };
    const auto group = [](EGroupKind kind) { return SRecordShape {SRecordShape::Group, {}, kind, {}, 2, false}; };
    const auto solid = [](ESolidKind kind, size_t count) { return SRecordShape {SRecordShape::Solid, {}, {}, kind, count, false}; };
    switch (role) {
    case kwLine:
        return plan(EPlanKind::Line, 4, false);
    case kwRectangle:
        return plan(EPlanKind::Rectangle, 4, true);
    case kwCircle:
        return plan(EPlanKind::Circle, 3, true);
    case kwFillpoint:
        return plan(EPlanKind::Fillpoint, 2, true);
    case kw3DHexahedron:
        return group(EGroupKind::Hexahedron);
    case kw3DQuads:
        return group(EGroupKind::Quads);
    case kw3DLines:
        return group(EGroupKind::Lines);
    case kw3DSquare:
        return group(EGroupKind::Square);
    case kw3DCylinder:
        return solid(ESolidKind::Cylinder, 7);
    case kw3DEllipsoid:
        return solid(ESolidKind::Ellipsoid, 7);
    case kw3DDisk:
        return solid(ESolidKind::Disk, 5);
    case kw3DEllipse:
        return solid(ESolidKind::Ellipse, 6);
    default:
        return {};
    }
}

// The numbers of a plainly written line and the colour that may close it.
struct SPlainNumbers {
    static constexpr size_t kMax = 8;
    int32_t m_numbers[kMax];
    size_t m_count = 0;
    COLORREF m_color = 0;
    bool m_hasColor = false;
};

// Colours mix digits and letters at random, so a table beats comparisons the processor
// cannot guess.
constexpr std::array<int8_t, 256> kHexDigits = [] {
    std::array<int8_t, 256> digits {};
    digits.fill(-1);
    for (int i = 0; i < 10; ++i)
        digits['0' + i] = static_cast<int8_t>(i);
    for (int i = 0; i < 6; ++i)
        digits['a' + i] = digits['A' + i] = static_cast<int8_t>(10 + i);
    return digits;
}();

int HexDigit(char c) { return kHexDigits[static_cast<unsigned char>(c)]; }

// The six hexadecimal digits of "$bbggrr": blue, green, red.
bool ReadHexColor(const char* digits, COLORREF& out)
{
    uint32_t value = 0;
    for (int i = 0; i < 6; ++i) {
        const int digit = HexDigit(digits[i]);
        if (digit < 0)
            return false;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    out = RGB(static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16));
    return true;
}

unsigned DigitValue(char c) { return static_cast<unsigned>(static_cast<unsigned char>(c)) - '0'; }

// The rest of a line from p: whole numbers of one to nine digits with an optional minus, then
// "$bbggrr" or nothing, then the line's end. Returns where the next line starts, or null when
// the rest is anything else.
const char* ScanPlainNumbers(const char* p, const char* const end, SPlainNumbers& record)
{
    size_t count = 0;
    for (;;) {
        while (p < end && IsBlank(*p))
            ++p;
        if (p == end || IsLineEnd(*p))
            break;
        if (*p == '$') {
            if (end - p < 7 || !ReadHexColor(p + 1, record.m_color))
                return nullptr;
            record.m_hasColor = true;
            for (p += 7; p < end && IsBlank(*p);)
                ++p;
            if (p < end && !IsLineEnd(*p))
                return nullptr;
            break;
        }
        const bool negative = *p == '-';
        p += negative ? 1 : 0;
        if (p == end || DigitValue(*p) > 9 || count == SPlainNumbers::kMax)
            return nullptr;
        int32_t value = static_cast<int32_t>(DigitValue(*p++));
        for (const char* const last = std::min(end, p + 8); p < last && DigitValue(*p) <= 9;)
            value = value * 10 + static_cast<int32_t>(DigitValue(*p++));
        if (p < end && ClassOf(*p) == 0)
            return nullptr;
        record.m_numbers[count++] = negative ? -value : value;
    }
    record.m_count = count;
    return p == end ? end : AfterLineEnd(p, end);
}

class CReader {
public:
    // passed, when given, is told now and then up to which byte the text has been read.
    CReader(SPartsFile& result, std::function<void(size_t)> passed)
        : m_result(result)
        , m_passed(std::move(passed))
    {
    }

    void ReadAll(std::string_view bytes, bool insideStructure)
    {
        if (insideStructure) {
            m_state = EState::Structure;
            OpenScene();
            m_result.m_scenes.back().m_firstLine = 1;
        }
        m_heldLimit = bytes.size() * 2 + kHeldAlways;
        const char* const end = bytes.data() + bytes.size();
        for (const char* p = bytes.data(); p < end;) {
            if (m_lineNumber == std::numeric_limits<int>::max()) {
                StopReading("The file has more lines than can be counted; reading stopped here.");
                break;
            }
            ++m_lineNumber;
            p = ReadLineAt(p, end);
            if (--m_linesUntilCheck == 0 && !GoOn(static_cast<size_t>(p - bytes.data())))
                break;
        }
        Finish(insideStructure);
        std::stable_sort(m_result.m_diagnostics.begin(), m_result.m_diagnostics.end(),
            [](const SDiagnostic& a, const SDiagnostic& b) {
                return a.m_line != b.m_line ? a.m_line < b.m_line : a.m_column < b.m_column;
            });
    }

private:
    enum class EState { Outside, Header, Structure, Group, Solid };

    // What the result holds, and once more its largest list (which is held twice while it
    // grows), may come to twice the text's size (and a little more for a short text): with the
    // text's memory given back as it is read, reading never needs much more than three times
    // the file's size, whatever the file holds.
    static constexpr size_t kHeldAlways = size_t(4) << 20;
    static constexpr int kLinesPerCheck = 256;
    static constexpr size_t kPassedStep = size_t(4) << 20;

    // Whether reading goes on after the line ending at offset.
    bool GoOn(size_t offset)
    {
        m_linesUntilCheck = kLinesPerCheck;
        if (m_passed && offset - m_toldPassed >= kPassedStep) {
            m_passed(offset);
            m_toldPassed = offset;
        }
        if (HeldBytes() + LargestListBytes() <= m_heldLimit)
            return true;
        StopReading("The file describes more than can be held for a file of its size; reading stopped here.");
        return false;
    }

    void StopReading(std::string message)
    {
        // Said even when the list is full: it explains why the rest of the file is missing.
        m_result.m_found.Add(ESeverity::Error);
        m_result.m_diagnostics.push_back({m_lineNumber, 1, ESeverity::Error, EDiagnostic::ReadingStopped, {}, std::move(message)});
    }

    template <typename T>
    static size_t BytesOf(const std::vector<T>& list)
    {
        return list.size() * sizeof(T);
    }
    size_t LargestListBytes() const
    {
        return std::max({m_result.m_scenes.size() * sizeof(SScene), BytesOf(m_result.m_header), BytesOf(m_open.m_plan),
            BytesOf(m_open.m_groups), BytesOf(m_open.m_solids), BytesOf(m_open.m_planPoints), BytesOf(m_open.m_vertices)});
    }
    size_t HeldBytes() const
    {
        return m_heldBytes + m_result.m_scenes.size() * sizeof(SScene) + BytesOf(m_open.m_plan) + BytesOf(m_open.m_groups)
            + BytesOf(m_open.m_solids) + BytesOf(m_open.m_planPoints) + BytesOf(m_open.m_vertices);
    }

    // Counts a diagnostic; whether it also goes into the list, which a damaged file of millions
    // of lines would otherwise fill.
    bool Listed(ESeverity severity)
    {
        m_result.m_found.Add(severity);
        return m_result.m_diagnostics.size() < kMaxDiagnostics;
    }
    void Report(int column, ESeverity severity, EDiagnostic kind, std::string_view detail, std::string message)
    {
        if (!Listed(severity))
            return;
        m_result.m_diagnostics.push_back({m_lineNumber, column, severity, kind, Utf8FromCp1252(detail), std::move(message)});
    }
    void Report(int line, int column, ESeverity severity, EDiagnostic kind, std::string message)
    {
        if (!Listed(severity))
            return;
        m_result.m_diagnostics.push_back({line, column, severity, kind, {}, std::move(message)});
    }

    SScene& Scene() { return m_result.m_scenes.back(); }

    // The open part's primitives gather in lists that keep their room from part to part, and
    // move to the part at their exact size when it closes.
    void CloseScene()
    {
        if (!m_sceneOpen)
            return;
        SScene& scene = Scene();
        m_heldBytes += BytesOf(m_open.m_plan) + BytesOf(m_open.m_groups) + BytesOf(m_open.m_solids)
            + BytesOf(m_open.m_planPoints) + BytesOf(m_open.m_vertices) + scene.m_name.size()
            + scene.m_catalogNo.size() + scene.m_price.size();
        MoveExactly(m_open.m_plan, scene.m_plan);
        MoveExactly(m_open.m_groups, scene.m_groups);
        MoveExactly(m_open.m_solids, scene.m_solids);
        MoveExactly(m_open.m_planPoints, scene.m_planPoints);
        MoveExactly(m_open.m_vertices, scene.m_vertices);
        m_sceneOpen = false;
    }
    // A large list is handed over whole rather than held twice while it is copied.
    template <typename T>
    static void MoveExactly(std::vector<T>& from, std::vector<T>& to)
    {
        if (BytesOf(from) >= kHandedOver) {
            to = std::move(from);
            from = {};
            return;
        }
        to.assign(from.begin(), from.end());
        from.clear();
    }
    static constexpr size_t kHandedOver = size_t(1) << 20;
    void OpenScene()
    {
        CloseScene();
        m_result.m_scenes.emplace_back();
        m_sceneOpen = true;
    }

    // Reads the line that starts at p and returns where the next one starts. Blank lines,
    // comments and plain points, most of a file, are read in one pass as they are found;
    // the other lines are split into words.
    const char* ReadLineAt(const char* const start, const char* const end)
    {
        const char* p = start;
        while (p < end && IsBlank(*p))
            ++p;
        if (p == end)
            return end;
        if (IsLineEnd(*p))
            return AfterLineEnd(p, end);
        if (m_state != EState::Outside && m_state != EState::Header && *p != ';') {
            if (const char* next = ReadPlainLine(p, end))
                return next;
        }
        const char* const lineEnd = FindLineEnd(p, end);
        const char* const next = lineEnd == end ? end : AfterLineEnd(lineEnd, end);
        if (*p != ';')
            ReadLine(std::string_view(start, static_cast<size_t>(lineEnd - start)));
        return next;
    }

    // A record written plainly, as this program writes them: a keyword, whole numbers of at
    // most nine digits, a colour where the record has one, nothing else. Such a line cannot
    // hold a fault, so it is read in one pass and handed to the same steps as the long way.
    // Returns where the next line starts, or null when the line needs the long way.
    const char* ReadPlainLine(const char* p, const char* const end)
    {
        SPlainNumbers record;
        // Inside a group a line that starts with a digit or a minus is a point, or a fault.
        if (m_state == EState::Group && (IsDigit(*p) || *p == '-')) {
            const char* const next = ScanPlainNumbers(p, end, record);
            if (next == nullptr || record.m_count != 3)
                return nullptr;
            if (record.m_hasColor)
                m_groupColor = record.m_color, m_groupColored = true;
            AddVertex({record.m_numbers[0], record.m_numbers[1], record.m_numbers[2], m_groupColor, m_lineNumber});
            return next;
        }
        const char* const word = p;
        while (p < end && ClassOf(*p) == 0)
            ++p;
        const EKeyword role = m_keywords.Find({word, static_cast<size_t>(p - word)});
        const char* const next = ScanPlainNumbers(p, end, record);
        if (next == nullptr || role == kKeywordRoles || !ApplyPlainRecord(role, record))
            return nullptr;
        return next;
    }

    // Whether the record was taken: false for any record, state or count of numbers that the
    // long way would answer with a diagnostic or handle otherwise.
    bool ApplyPlainRecord(EKeyword role, const SPlainNumbers& record)
    {
        const auto plain = [&record](size_t count, bool colored) {
            return record.m_count == count && record.m_hasColor == colored;
        };
        const int32_t* const n = record.m_numbers;
        if (m_state == EState::Solid || m_state == EState::Group) {
            if (role == kwEnd3D && plain(0, false)) {
                CloseGroup();
                return true;
            }
            if (m_state == EState::Group || !m_solidValid)
                return false;
            if (role == kwCenter && plain(3, true))
                PlaceSolid(n, record.m_color);
            else if (role == kwRotation && plain(3, false))
                TurnSolid(n);
            else
                return false;
            return true;
        }
        const SRecordShape shape = ShapeOf(role);
        if (shape.m_primitive == SRecordShape::None || !plain(shape.m_count, shape.m_colored))
            return false;
        switch (shape.m_primitive) {
        case SRecordShape::Plan:
            AddPlanRecord(shape.m_plan, n, record.m_color, shape.m_colored);
            break;
        case SRecordShape::Group:
            OpenGroup(shape.m_group, n);
            break;
        case SRecordShape::Solid:
            OpenSolid(shape.m_solid, n, shape.m_count);
            break;
        case SRecordShape::None:
            break;
        }
        return true;
    }

    void ReadLine(std::string_view line)
    {
        const CTokens tokens(line);
        if (tokens.Stored() == 0 || tokens[0].m_text[0] == ';')
            return;
        switch (m_state) {
        case EState::Group:
            if (StartsLikeNumber(tokens[0].m_text)) {
                ReadVertex(tokens);
                return;
            }
            break;
        case EState::Header:
            ReadHeaderLine(line, tokens);
            return;
        default:
            break;
        }
        const std::string_view word = tokens[0].m_text;
        const EKeyword role = m_keywords.Find(word);
        if (role == kKeywordRoles) {
            const EKeyword closed = m_keywords.FindEnd(word);
            if (closed == kwStructure) {
                EndStructure(tokens);
                return;
            }
            if (m_state == EState::Outside && m_endedStructures > 0)
                ReportOutside(tokens[0]);
            else if (StartsLikeNumber(word))
                Report(tokens[0].m_column, ESeverity::Error, EDiagnostic::Misplaced, word,
                    "A point stands outside a 3D group.");
            else
                Report(tokens[0].m_column, ESeverity::Error, EDiagnostic::UnknownKeyword, word,
                    "Unknown keyword \"" + Utf8FromCp1252(word) + "\".");
            return;
        }
        ReadKeywordLine(role, line, tokens);
    }

    void ReportOutside(const SToken& token)
    {
        Report(token.m_column, ESeverity::Error, EDiagnostic::TextOutsideStructure, token.m_text,
            "Text stands outside a part, after its End line.");
    }

    void ReadKeywordLine(EKeyword role, std::string_view line, const CTokens& tokens)
    {
        switch (role) {
        case kwEnd3D:
            EndGroup(tokens[0]);
            return;
        case kwCenter:
            ReadCenter(tokens);
            return;
        case kwRotation:
            ReadRotation(tokens);
            return;
        default:
            break;
        }
        CloseOpenGroup();
        switch (role) {
        case kwHeader:
            if (m_state == EState::Structure)
                ReportMisplaced(tokens[0]);
            else {
                m_state = EState::Header;
                m_headerLine = m_lineNumber;
            }
            return;
        case kwMetricUnits:
        case kwInchUnits:
            m_pendingInches = role == kwInchUnits;
            if (m_state == EState::Structure)
                Scene().m_inches = m_pendingInches;
            ExpectNumbers(tokens, 0);
            return;
        case kwStructure:
            BeginStructure(line, tokens);
            return;
        default:
            break;
        }
        if (m_state != EState::Structure) {
            if (m_endedStructures > 0)
                ReportOutside(tokens[0]);
            else
                ReportMisplaced(tokens[0]);
            return;
        }
        ReadStructureLine(role, line, tokens);
    }

    void ReadStructureLine(EKeyword role, std::string_view line, const CTokens& tokens)
    {
        switch (role) {
        case kwPrice:
            Scene().m_price = Utf8FromCp1252(RestAfter(line, tokens[0]));
            return;
        case kwPartsPerPackage: {
            int32_t numbers[1] {};
            if (ReadNumbers(tokens, 1, numbers, 1))
                Scene().m_partsPerPackage = numbers[0];
            return;
        }
        case kwPolygon:
            ReadPolyline(EPlanKind::Polygon, tokens);
            return;
        case kwCurveline:
            ReadPolyline(EPlanKind::Curveline, tokens);
            return;
        default:
            break;
        }
        const SRecordShape shape = ShapeOf(role);
        switch (shape.m_primitive) {
        case SRecordShape::Plan:
            ReadPlanRecord(shape.m_plan, tokens, shape.m_count, shape.m_colored);
            return;
        case SRecordShape::Group:
            BeginGroup(shape.m_group, tokens);
            return;
        case SRecordShape::Solid:
            BeginSolid(shape.m_solid, tokens, shape.m_count);
            return;
        case SRecordShape::None:
            ReportMisplaced(tokens[0]);
            return;
        }
    }

    void ReportMisplaced(const SToken& token)
    {
        Report(token.m_column, ESeverity::Error, EDiagnostic::Misplaced, token.m_text,
            "\"" + Utf8FromCp1252(token.m_text) + "\" does not belong here.");
    }

    static std::string_view RestAfter(std::string_view line, const SToken& token)
    {
        size_t pos = static_cast<size_t>(token.m_column - 1) + token.m_text.size();
        if (pos < line.size() && line[pos] == ' ')
            ++pos;
        return pos < line.size() ? line.substr(pos) : std::string_view();
    }

    // Numbers from tokens[first] on into out; false (with a diagnostic) when a number is
    // missing or unreadable. Numbers beyond count are reported and ignored.
    bool ReadNumbers(const CTokens& tokens, size_t first, int32_t* out, size_t count, size_t colorTokens = 0)
    {
        bool good = true;
        for (size_t i = 0; i < count; ++i) {
            const size_t index = first + i;
            if (index >= tokens.Stored() || (tokens[index].m_text[0] == '$' && colorTokens == 0)) {
                ReportMissing(tokens, index, count - i);
                return false;
            }
            good = ReadNumber(tokens[index], out[i]) && good;
        }
        CheckExtra(tokens, first + count + colorTokens);
        return good;
    }

    void ReportMissing(const CTokens& tokens, size_t index, size_t missing)
    {
        const int column = index < tokens.Stored() ? tokens[index].m_column
                                                   : tokens[tokens.Stored() - 1].m_column + static_cast<int>(tokens[tokens.Stored() - 1].m_text.size());
        Report(column, ESeverity::Error, EDiagnostic::MissingNumbers, tokens[0].m_text,
            std::to_string(missing) + (missing == 1 ? " number is" : " numbers are") + " missing after \""
                + Utf8FromCp1252(tokens[0].m_text) + "\".");
    }

    void CheckExtra(const CTokens& tokens, size_t expected)
    {
        if (tokens.Count() > expected && expected < tokens.Stored())
            Report(tokens[expected].m_column, ESeverity::Warning, EDiagnostic::ExtraNumbers, tokens[expected].m_text,
                "Text after the last number is ignored.");
    }

    void ExpectNumbers(const CTokens& tokens, size_t count) { CheckExtra(tokens, 1 + count); }

    bool ReadNumber(const SToken& token, int32_t& out)
    {
        std::string_view text = token.m_text;
        if (!text.empty() && text[0] == '+')
            text.remove_prefix(1);
        int64_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        const bool allDigits = end == text.data() + text.size() && error != std::errc::invalid_argument && !text.empty();
        if (!allDigits) {
            Report(token.m_column, ESeverity::Error, EDiagnostic::NotANumber, token.m_text,
                "\"" + Utf8FromCp1252(token.m_text) + "\" is not a whole number.");
            out = 0;
            return false;
        }
        constexpr int64_t lowest = std::numeric_limits<int32_t>::min();
        constexpr int64_t highest = std::numeric_limits<int32_t>::max();
        if (error == std::errc::result_out_of_range || value < lowest || value > highest) {
            Report(token.m_column, ESeverity::Error, EDiagnostic::NumberOutOfRange, token.m_text,
                "The number " + std::string(token.m_text) + " is outside the range of the parts file.");
            out = text[0] == '-' ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
            return true; // kept at the nearest end of the range, so the picture stays whole
        }
        out = static_cast<int32_t>(value);
        return true;
    }

    bool ReadColor(const SToken& token, COLORREF& out)
    {
        const std::string_view text = token.m_text;
        if (text.size() == 7 && text[0] == '$' && ReadHexColor(text.data() + 1, out))
            return true;
        Report(token.m_column, ESeverity::Error, EDiagnostic::BadColor, text,
            "\"" + Utf8FromCp1252(text) + "\" is not a colour ($ and six hexadecimal digits).");
        return false;
    }

    void ReadPlanRecord(EPlanKind kind, const CTokens& tokens, size_t count, bool colored)
    {
        int32_t numbers[4] {};
        if (!ReadNumbers(tokens, 1, numbers, count, colored ? 1 : 0))
            return;
        COLORREF color = 0;
        if (colored) {
            if (tokens.Stored() <= 1 + count) {
                ReportMissingColor(tokens);
                return;
            }
            if (!ReadColor(tokens[1 + count], color))
                return;
        }
        AddPlanRecord(kind, numbers, color, colored);
    }

    // Line, Rectangle and Fillpoint: x y (x y); Circle: x y radius.
    void AddPlanRecord(EPlanKind kind, const int32_t* numbers, COLORREF color, bool hasColor)
    {
        SPlanPrimitive primitive;
        primitive.m_kind = kind;
        primitive.m_line = m_lineNumber;
        primitive.m_color = color;
        primitive.m_hasColor = hasColor;
        primitive.m_firstPoint = static_cast<uint32_t>(m_open.m_planPoints.size());
        m_open.m_planPoints.emplace_back(numbers[0], numbers[1]);
        if (kind == EPlanKind::Circle)
            primitive.m_radius = numbers[2];
        else if (kind != EPlanKind::Fillpoint)
            m_open.m_planPoints.emplace_back(numbers[2], numbers[3]);
        primitive.m_pointCount = static_cast<uint32_t>(m_open.m_planPoints.size()) - primitive.m_firstPoint;
        m_open.m_plan.push_back(primitive);
    }

    void ReportMissingColor(const CTokens& tokens)
    {
        const SToken& last = tokens[tokens.Stored() - 1];
        Report(last.m_column + static_cast<int>(last.m_text.size()), ESeverity::Error, EDiagnostic::MissingNumbers,
            tokens[0].m_text, "The colour is missing after \"" + Utf8FromCp1252(tokens[0].m_text) + "\".");
    }

    // Polygon and Curveline are never written by this program; they are read as x y pairs
    // with an optional closing colour, the plausible reading of a plan outline.
    void ReadPolyline(EPlanKind kind, const CTokens& tokens)
    {
        SPlanPrimitive primitive;
        primitive.m_kind = kind;
        primitive.m_line = m_lineNumber;
        size_t end = tokens.Stored();
        if (end > 1 && tokens[end - 1].m_text[0] == '$') {
            if (ReadColor(tokens[end - 1], primitive.m_color))
                primitive.m_hasColor = true;
            --end;
        }
        if (end < 5 || (end - 1) % 2 != 0) {
            ReportMissing(tokens, end, end < 5 ? 5 - end : 1);
            return;
        }
        primitive.m_firstPoint = static_cast<uint32_t>(m_open.m_planPoints.size());
        for (size_t i = 1; i + 1 < end; i += 2) {
            int32_t x = 0;
            int32_t y = 0;
            if (!ReadNumber(tokens[i], x) || !ReadNumber(tokens[i + 1], y)) {
                m_open.m_planPoints.resize(primitive.m_firstPoint);
                return;
            }
            m_open.m_planPoints.emplace_back(x, y);
        }
        primitive.m_pointCount = static_cast<uint32_t>(m_open.m_planPoints.size()) - primitive.m_firstPoint;
        m_open.m_plan.push_back(primitive);
    }

    void BeginGroup(EGroupKind kind, const CTokens& tokens)
    {
        int32_t numbers[2] {};
        ReadNumbers(tokens, 1, numbers, 2);
        OpenGroup(kind, numbers);
    }

    void OpenGroup(EGroupKind kind, const int32_t* numbers)
    {
        SVertexGroup group;
        group.m_kind = kind;
        group.m_line = m_lineNumber;
        group.m_first = numbers[0];
        group.m_second = numbers[1];
        group.m_firstVertex = static_cast<uint32_t>(m_open.m_vertices.size());
        m_open.m_groups.push_back(group);
        m_state = EState::Group;
        m_groupColor = 0;
        m_groupColored = false;
    }

    void ReadVertex(const CTokens& tokens)
    {
        int32_t numbers[3] {};
        bool good = true;
        for (size_t i = 0; i < 3 && good; ++i) {
            if (i >= tokens.Stored() || tokens[i].m_text[0] == '$') {
                const SToken& last = tokens[i - 1];
                Report(last.m_column + static_cast<int>(last.m_text.size()), ESeverity::Error,
                    EDiagnostic::MissingNumbers, {}, "A point needs three numbers: x, y and z.");
                return;
            }
            good = ReadNumber(tokens[i], numbers[i]);
        }
        if (!good)
            return;
        SVertex vertex {numbers[0], numbers[1], numbers[2], m_groupColor, m_lineNumber};
        if (tokens.Stored() > 3 && tokens[3].m_text[0] == '$') {
            if (ReadColor(tokens[3], vertex.m_color))
                m_groupColor = vertex.m_color, m_groupColored = true;
            CheckExtra(tokens, 4);
        } else {
            CheckExtra(tokens, 3);
        }
        AddVertex(vertex);
    }

    void AddVertex(const SVertex& vertex)
    {
        if (m_open.m_vertices.size() == m_open.m_groups.back().m_firstVertex)
            m_firstPointColored = m_groupColored;
        m_open.m_vertices.push_back(vertex);
    }

    void BeginSolid(ESolidKind kind, const CTokens& tokens, size_t count)
    {
        int32_t numbers[SSolid::kMaxNumbers] {};
        if (!ReadNumbers(tokens, 1, numbers, count)) {
            m_state = EState::Solid;
            m_solidValid = false;
            return;
        }
        OpenSolid(kind, numbers, count);
    }

    void OpenSolid(ESolidKind kind, const int32_t* numbers, size_t count)
    {
        SSolid solid;
        solid.m_kind = kind;
        solid.m_line = m_lineNumber;
        std::copy(numbers, numbers + count, solid.m_numbers.begin());
        solid.m_numberCount = static_cast<uint32_t>(count);
        m_open.m_solids.push_back(solid);
        m_state = EState::Solid;
        m_solidValid = true;
        m_solidHasCenter = false;
    }

    void ReadCenter(const CTokens& tokens)
    {
        if (m_state != EState::Solid) {
            ReportMisplaced(tokens[0]);
            return;
        }
        int32_t numbers[3] {};
        if (!ReadNumbers(tokens, 1, numbers, 3, 1))
            return;
        COLORREF color = 0;
        if (tokens.Stored() <= 4) {
            ReportMissingColor(tokens);
            return;
        }
        if (!ReadColor(tokens[4], color) || !m_solidValid)
            return;
        PlaceSolid(numbers, color);
    }

    void PlaceSolid(const int32_t* numbers, COLORREF color)
    {
        SSolid& solid = m_open.m_solids.back();
        solid.m_center = {double(numbers[0]), double(numbers[1]), double(numbers[2])};
        solid.m_color = color;
        m_solidHasCenter = true;
    }

    void ReadRotation(const CTokens& tokens)
    {
        if (m_state != EState::Solid) {
            ReportMisplaced(tokens[0]);
            return;
        }
        int32_t numbers[3] {};
        if (!ReadNumbers(tokens, 1, numbers, 3) || !m_solidValid)
            return;
        TurnSolid(numbers);
    }

    void TurnSolid(const int32_t* numbers)
    {
        SSolid& solid = m_open.m_solids.back();
        for (int i = 0; i < 3; ++i)
            solid.m_rotation[i] = numbers[i];
    }

    void EndGroup(const SToken& token)
    {
        if (m_state == EState::Group || m_state == EState::Solid)
            CloseGroup();
        else
            ReportMisplaced(token);
    }

    void CloseGroup()
    {
        if (m_state == EState::Group)
            CheckGroupComplete();
        else
            CheckSolidComplete();
        m_state = EState::Structure;
    }

    static size_t VerticesPerShape(EGroupKind kind)
    {
        switch (kind) {
        case EGroupKind::Hexahedron:
            return 8;
        case EGroupKind::Quads:
            return 4;
        default:
            return 2;
        }
    }

    // Every way a group ends comes here: its points are those read since it began.
    void CheckGroupComplete()
    {
        SVertexGroup& group = m_open.m_groups.back();
        group.m_vertexCount = static_cast<uint32_t>(m_open.m_vertices.size()) - group.m_firstVertex;
        const size_t per = VerticesPerShape(group.m_kind);
        // Points left over make a shape nobody can draw, so the file is wrong; an empty group
        // merely draws nothing.
        if (group.m_vertexCount % per != 0)
            Report(group.m_line, 1, ESeverity::Error, EDiagnostic::IncompleteGroup,
                "The group's points do not make whole shapes of " + std::to_string(per) + " points; the rest is not drawn.");
        else if (group.m_vertexCount == 0)
            Report(group.m_line, 1, ESeverity::Warning, EDiagnostic::IncompleteGroup, "The group has no points.");
        if (group.m_vertexCount > 0 && !m_firstPointColored)
            Report(m_open.m_vertices[group.m_firstVertex].m_line, 1, ESeverity::Warning, EDiagnostic::UncoloredGroup,
                "The group's first point has no colour; its points are black until one gives a colour.");
    }

    void CheckSolidComplete()
    {
        if (m_solidValid && !m_solidHasCenter) {
            const int solidLine = m_open.m_solids.back().m_line;
            m_open.m_solids.pop_back();
            Report(solidLine, 1, ESeverity::Error, EDiagnostic::SolidWithoutCenter,
                "The solid has no Center line and is not drawn.");
        }
    }

    // A keyword that starts something new also ends a group left open.
    void CloseOpenGroup()
    {
        if (m_state != EState::Group && m_state != EState::Solid)
            return;
        const int groupLine = m_state == EState::Group ? m_open.m_groups.back().m_line
                                                       : (m_solidValid ? m_open.m_solids.back().m_line : m_lineNumber);
        CloseGroup();
        Report(groupLine, 1, ESeverity::Error, EDiagnostic::GroupWithoutEnd3D, "The 3D group has no End3D line.");
    }

    void BeginStructure(std::string_view line, const CTokens& tokens)
    {
        if (m_state == EState::Structure)
            ReportUnclosedStructure();
        if (m_state == EState::Header)
            ReportUnclosedHeader();
        OpenScene();
        SScene& scene = Scene();
        scene.m_firstLine = m_lineNumber;
        scene.m_inches = m_pendingInches;
        m_state = EState::Structure;
        // "catalogue number" "name"; a name may itself hold double quotes.
        const std::string_view rest = RestAfter(line, tokens[0]);
        const size_t open = rest.find('"');
        const size_t middle = open == std::string_view::npos ? open : rest.find("\" \"", open + 1);
        const size_t close = rest.rfind('"');
        if (open == std::string_view::npos || middle == std::string_view::npos || close <= middle + 2) {
            Report(tokens[0].m_column, ESeverity::Warning, EDiagnostic::BadStructureLine, tokens[0].m_text,
                "The part's line should hold its catalogue number and name, each in double quotes.");
            scene.m_name = Utf8FromCp1252(rest);
            return;
        }
        scene.m_catalogNo = Utf8FromCp1252(rest.substr(open + 1, middle - open - 1));
        scene.m_name = Utf8FromCp1252(rest.substr(middle + 3, close - middle - 3));
    }

    void EndStructure(const CTokens& tokens)
    {
        CloseOpenGroup();
        if (m_state != EState::Structure) {
            ReportMisplaced(tokens[0]);
            return;
        }
        Scene().m_lastLine = m_lineNumber;
        CloseScene();
        ExpectNumbers(tokens, 0);
        m_state = EState::Outside;
        m_pendingInches = false;
        ++m_endedStructures;
    }

    void ReportUnclosedStructure()
    {
        Report(Scene().m_firstLine, 1, ESeverity::Error, EDiagnostic::StructureWithoutEnd, "The part has no End line.");
    }
    void ReportUnclosedHeader()
    {
        Report(m_headerLine, 1, ESeverity::Error, EDiagnostic::HeaderWithoutEnd, "The header has no End line.");
    }

    void ReadHeaderLine(std::string_view line, const CTokens& tokens)
    {
        const size_t equals = line.find('=');
        if (equals != std::string_view::npos) {
            std::string_view key = line.substr(0, equals);
            while (!key.empty() && IsBlank(key.front()))
                key.remove_prefix(1);
            if (m_keywords.Find(key) == kKeywordRoles)
                Report(tokens[0].m_column, ESeverity::Warning, EDiagnostic::UnknownKeyword, key,
                    "Unknown keyword \"" + Utf8FromCp1252(key) + "\".");
            m_result.m_header.emplace_back(Utf8FromCp1252(key), Utf8FromCp1252(line.substr(equals + 1)));
            m_heldBytes += sizeof(m_result.m_header.back()) + line.size();
            return;
        }
        const std::string_view word = tokens[0].m_text;
        const EKeyword role = m_keywords.Find(word);
        if (role == kwManufacturer || role == kwLocalSupplier)
            return;
        const EKeyword closed = m_keywords.FindEnd(word);
        if (closed == kwManufacturer || closed == kwLocalSupplier)
            return;
        if (closed == kwHeader) {
            m_state = EState::Outside;
            return;
        }
        if (role == kwStructure || role == kwMetricUnits || role == kwInchUnits) {
            ReportUnclosedHeader();
            m_state = EState::Outside;
            ReadLine(line);
            return;
        }
        Report(tokens[0].m_column, ESeverity::Error, EDiagnostic::UnknownKeyword, word,
            "Unknown keyword \"" + Utf8FromCp1252(word) + "\".");
    }

    void Finish(bool insideStructure)
    {
        if (m_state == EState::Group || m_state == EState::Solid) {
            ++m_lineNumber;
            CloseOpenGroup();
            --m_lineNumber;
        }
        if (m_state == EState::Header)
            ReportUnclosedHeader();
        if (m_state == EState::Structure) {
            Scene().m_lastLine = m_lineNumber;
            if (!insideStructure)
                ReportUnclosedStructure();
        }
        CloseScene();
    }

    static constexpr size_t kMaxDiagnostics = 1000;

    SPartsFile& m_result;
    std::function<void(size_t)> m_passed;
    size_t m_toldPassed = 0;
    size_t m_heldBytes = 0;
    size_t m_heldLimit = 0;
    int m_linesUntilCheck = kLinesPerCheck;
    const CKeywordLookup& m_keywords = Keywords();
    EState m_state = EState::Outside;
    int m_lineNumber = 0;
    int m_headerLine = 0;
    int m_endedStructures = 0;
    bool m_pendingInches = false;
    COLORREF m_groupColor = 0;
    bool m_groupColored = false;
    bool m_firstPointColored = false;
    bool m_solidValid = false;
    bool m_solidHasCenter = false;
    bool m_sceneOpen = false;
    SScene m_open;
};

} // namespace

SPartsFile ReadPartsText(std::string_view bytes)
{
    SPartsFile result;
    CReader(result, {}).ReadAll(bytes, false);
    return result;
}

SPartsFile ReadPartsFile(CFileBytes& file)
{
    SPartsFile result;
    const std::span<const uint8_t> bytes = file.Bytes();
    CReader(result, [&file](size_t offset) { file.ReleaseBefore(offset); })
        .ReadAll(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), false);
    return result;
}

SPartsFile ReadStructureBody(std::string_view bytes)
{
    SPartsFile result;
    CReader(result, {}).ReadAll(bytes, true);
    return result;
}

std::string FormatDiagnostic(const SDiagnostic& diagnostic)
{
    return std::to_string(diagnostic.m_line) + ":" + std::to_string(diagnostic.m_column) + ": "
        + (diagnostic.m_severity == ESeverity::Error ? "error" : "warning") + ": " + diagnostic.m_message;
}

namespace {

// 5123 as "5,123", as the counts of a list cut short are read more easily.
std::string WithThousands(size_t number)
{
    std::string digits = std::to_string(number);
    for (size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, 1, ',');
    return digits;
}

std::string Counted(size_t number, const char* one, const char* many)
{
    return WithThousands(number) + " " + (number == 1 ? one : many);
}

} // namespace

std::string FormatUnlisted(const SDiagnosticCount& unlisted)
{
    if (unlisted.Total() == 0)
        return {};
    std::string line = "... and " + WithThousands(unlisted.Total()) + " more: ";
    if (unlisted.m_errors)
        line += Counted(unlisted.m_errors, "error", "errors");
    if (unlisted.m_errors && unlisted.m_warnings)
        line += ", ";
    if (unlisted.m_warnings)
        line += Counted(unlisted.m_warnings, "warning", "warnings");
    return line;
}
