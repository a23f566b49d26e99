#include "NumericTestSupport.h"

namespace test {

std::string UserLocaleInfo(LCTYPE type)
{
    char value[80] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, type, value, sizeof(value));
    return value;
}

char UserLocaleChar(LCTYPE type, char fallback)
{
    const std::string value = UserLocaleInfo(type);
    return value.empty() ? fallback : value[0];
}

NumberSymbols SymbolsOf(const NumericBehavior& behavior)
{
    NumberSymbols symbols;
    behavior.GetSeparators(&symbols.decimal, &symbols.group);
    symbols.negative = UserLocaleChar(LOCALE_SNEGATIVESIGN, '-');
    symbols.prefix = static_cast<LPCSTR>(behavior.GetPrefix());
    return symbols;
}

std::string Localize(const std::string& pattern, const NumberSymbols& symbols)
{
    std::string text;
    for (char c : pattern) {
        switch (c) {
        case '.': text += symbols.decimal; break;
        case ',': text += symbols.group; break;
        case '-': text += symbols.negative; break;
        case '$': text += symbols.prefix; break;
        default: text += c; break;
        }
    }
    return text;
}

EditState ParseEditState(const std::string& marked)
{
    EditState state{"", {-1, -1}};
    for (char c : marked) {
        const int position = static_cast<int>(state.text.size());
        if (c == '|')
            state.selection = {position, position};
        else if (c == '[')
            state.selection.start = position;
        else if (c == ']')
            state.selection.end = position;
        else
            state.text += c;
    }
    return state;
}

std::string FormatEditState(const std::string& text, const Selection& selection)
{
    std::string marked = text;
    if (selection.start == selection.end) {
        marked.insert(std::min<size_t>(selection.start, marked.size()), "|");
    } else {
        marked.insert(std::min<size_t>(selection.end, marked.size()), "]");
        marked.insert(std::min<size_t>(selection.start, marked.size()), "[");
    }
    return marked;
}

namespace {

BeepRecorder* s_recorder = nullptr;

// The address slots of a module's import table that hold `function`.
std::vector<void**> ImportSlots(HMODULE module, void* function)
{
    std::vector<void**> slots;
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!directory.VirtualAddress)
        return slots;
    for (auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress); import->Name;
         ++import) {
        for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk); thunk->u1.Function; ++thunk)
            if (reinterpret_cast<void*>(thunk->u1.Function) == function)
                slots.push_back(reinterpret_cast<void**>(&thunk->u1.Function));
    }
    return slots;
}

void* RealMessageBeep()
{
    return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "MessageBeep"));
}

}  // namespace

BeepRecorder::BeepRecorder()
{
    m_installed = s_recorder == nullptr && Patch(RealMessageBeep(), reinterpret_cast<void*>(&BeepRecorder::Beep));
    if (m_installed)
        s_recorder = this;
}

BeepRecorder::~BeepRecorder()
{
    if (!m_installed)
        return;
    Patch(reinterpret_cast<void*>(&BeepRecorder::Beep), RealMessageBeep());
    s_recorder = nullptr;
}

BOOL WINAPI BeepRecorder::Beep(UINT)
{
    if (s_recorder) {
        if (s_recorder->OnBeep)
            s_recorder->OnBeep(s_recorder->context);
        ++s_recorder->m_count;
    }
    return TRUE;
}

bool BeepRecorder::Patch(void* from, void* to)
{
    HMODULE library = GetModuleHandleA("Marlow17.dll");
    if (!library || !from)
        return false;
    const std::vector<void**> slots = ImportSlots(library, from);
    for (void** slot : slots) {
        DWORD protection = 0;
        VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection);
        *slot = to;
        VirtualProtect(slot, sizeof(*slot), protection, &protection);
    }
    return !slots.empty();
}

UserLocaleOverride::UserLocaleOverride(const std::vector<std::pair<LCTYPE, std::string>>& values)
{
    for (const auto& value : values) {
        m_saved.emplace_back(value.first, UserLocaleInfo(value.first));
        m_applied = SetLocaleInfoA(LOCALE_USER_DEFAULT, value.first, value.second.c_str()) && m_applied;
    }
}

UserLocaleOverride::~UserLocaleOverride()
{
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it)
        SetLocaleInfoA(LOCALE_USER_DEFAULT, it->first, it->second.c_str());
}

::testing::AssertionResult IsWellFormedNumber(const std::string& text, const NumberSymbols& symbols, int whole,
                                              int decimals, int group)
{
    auto failure = [&](const char* why) { return ::testing::AssertionFailure() << "'" << text << "': " << why; };
    if (text.empty())
        return ::testing::AssertionSuccess();
    if (text.compare(0, symbols.prefix.size(), symbols.prefix) != 0)
        return failure("no prefix");
    std::string number = text.substr(symbols.prefix.size());
    if (!number.empty() && number[0] == symbols.negative)
        number.erase(0, 1);
    const size_t point = number.find(symbols.decimal);
    const std::string wholePart = number.substr(0, point);
    if (point != std::string::npos) {
        if (decimals <= 0)
            return failure("a decimal point where none is allowed");
        const std::string decimalPart = number.substr(point + 1);
        if (decimalPart.size() > static_cast<size_t>(decimals))
            return failure("too many decimal places");
        if (decimalPart.find_first_not_of("0123456789") != std::string::npos)
            return failure("not a digit among the decimals");
    }
    std::string digits;
    for (size_t i = 0; i < wholePart.size(); ++i) {
        const char c = wholePart[i];
        if (c >= '0' && c <= '9') {
            digits += c;
        } else if (c != symbols.group || group <= 0 || (wholePart.size() - i - 1) % (group + 1) != static_cast<size_t>(group)
                   || i == 0) {
            return failure("a character out of place in the whole part");
        }
    }
    if (digits.size() > static_cast<size_t>(whole))
        return failure("too many whole digits");
    if (group > 0 && digits.size() > static_cast<size_t>(group)
        && wholePart.size() != digits.size() + (digits.size() - 1) / group)
        return failure("missing group separators");
    return ::testing::AssertionSuccess();
}

}  // namespace test
