#include "platform/KeyNotation.h"

#include <gtest/gtest.h>

namespace {

// Writes events compactly: a tap (press then release) of a character as the character, of a named
// key as {NAME}; a modifier's press and release as <ctrl> and </ctrl>.
std::string describe(const std::vector<KeyEvent>& events) {
    std::string out;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const KeyEvent& e = events[i];
        if (!out.empty())
            out += ' ';
        if (e.key.kind == Key::Kind::Modifier) {
            const char* name = e.key.modifier == Modifier::Shift     ? "shift"
                               : e.key.modifier == Modifier::Control ? "ctrl"
                                                                     : "alt";
            out += std::string(e.down ? "<" : "</") + name + ">";
            continue;
        }
        if (!e.down || i + 1 >= events.size() || !(events[i + 1].key == e.key) ||
            events[i + 1].down)
            return "unpaired key event";
        ++i;
        if (e.key.kind == Key::Kind::Named) {
            out += "{" + KeyNotation::nameOf(e.key.named) + "}";
        } else {
            std::u32string one(1, e.key.character);
            for (char32_t c : one)
                out += c < 0x80 ? std::string(1, static_cast<char>(c)) : "U+" + std::to_string(c);
        }
    }
    return out;
}

} // namespace

TEST(KeyNotation, TurnsNotationIntoKeyEvents) {
    const struct {
        const char* notation;
        const char* events;
    } cases[] = {
        {"ab", "a b"},
        {"{enter}", "{ENTER}"},
        {"{ENTER}", "{ENTER}"},
        {"{Enter 3}", "{ENTER} {ENTER} {ENTER}"},
        {"~", "{ENTER}"},
        {" ", " "},
        {"{left}{right}{up}{down}", "{LEFT} {RIGHT} {UP} {DOWN}"},
        {"^{c}", "<ctrl> c </ctrl>"},
        {"^c", "<ctrl> c </ctrl>"},
        {"^{v}", "<ctrl> v </ctrl>"},
        {"^{x}", "<ctrl> x </ctrl>"},
        {"{DELETE}{del}", "{DELETE} {DELETE}"},
        {"{backspace}{BS}{bksp}", "{BACKSPACE} {BACKSPACE} {BACKSPACE}"},
        {"{TAB}{tab}", "{TAB} {TAB}"},
        {"+a", "<shift> a </shift>"},
        {"%{F4}", "<alt> {F4} </alt>"},
        {"^+{esc}", "<ctrl> <shift> {ESC} </shift> </ctrl>"},
        {"+(ab)c", "<shift> a b </shift> c"},
        {"^(a+b)", "<ctrl> a <shift> b </shift> </ctrl>"},
        {"(ab)", "a b"},
        {"{+}{^}{%}{~}{(}{)}{{}{}}", "+ ^ % ~ ( ) { }"},
        {"{} 2}", "} }"},
        {"{a 0}", ""},
        {"{f16}{PGUP}{pgdn}{home}{end}{ins}", "{F16} {PGUP} {PGDN} {HOME} {END} {INSERT}"},
        {"{capslock}{numlock}{scrolllock}{break}{prtsc}{help}",
         "{CAPSLOCK} {NUMLOCK} {SCROLLLOCK} {BREAK} {PRTSC} {HELP}"},
        {"{add}{subtract}{multiply}{divide}", "{ADD} {SUBTRACT} {MULTIPLY} {DIVIDE}"},
        {"caf\xC3\xA9", "c a f U+233"},
        {"{\xC3\xA9 2}", "U+233 U+233"},
        {"", ""},
    };
    for (const auto& c : cases) {
        const auto result = KeyNotation::parse(c.notation);
        ASSERT_TRUE(result.ok()) << c.notation << ": " << result.error;
        EXPECT_EQ(describe(result.events), c.events) << c.notation;
    }
}

TEST(KeyNotation, RefusesMalformedNotationWithAClearMessageAndNoEvents) {
    const struct {
        const char* notation;
        const char* says;
    } cases[] = {
        {"{enter", "never closed"},
        {"{", "never closed"},
        {"a}", "without \"{\""},
        {"(ab", "never closed"},
        {"ab)", "without \"(\""},
        {"^", "without a key"},
        {"abc+", "without a key"},
        {"{nosuchkey}", "unknown key name {nosuchkey}"},
        {"{F17}", "unknown key name"},
        {"{a 1001}", "repeat count above 1000"},
        {"{a 99999999999}", "repeat count above 1000"},
        {"^^a", "given twice"},
        {"((((((((((a))))))))))", "nested deeper than 8"},
        {"{a 1000}{b 1000}{c 1000}{d 1000}{e 1000}{f 1000}{g 1000}{h 1000}{i 1000}{j 1000}"
         "{k 1000}{l 1000}{m 1000}{n 1000}{o 1000}{p 1000}{q 1000}{r 1000}{s 1000}{t 1000}{u 1}",
         "more than 20000 key strokes"},
    };
    for (const auto& c : cases) {
        const auto result = KeyNotation::parse(c.notation);
        EXPECT_FALSE(result.ok()) << c.notation;
        EXPECT_NE(result.error.find(c.says), std::string::npos)
            << c.notation << ": " << result.error;
        EXPECT_TRUE(result.events.empty()) << c.notation;
    }
}
