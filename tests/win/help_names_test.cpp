// The names that the help pages give the program's menus, keys and charts, read against
// the program's own descriptions and chart catalogue. A page marks each such name, on a
// <span> or a <td>, as plain text:
//   class="menu"       the caption of a menu or menu item, without its access mark &
//   class="key"        a key or key combination
//   class="chartname"  a chart's name as it stands under the chart
// A key combination or a chart's name left unmarked in a page's text is a fault too.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "Program.h"
#include "about/AboutFormDescription.h"
#include "main/MainFormDescription.h"
#include "palettes/ChartCatalogue.h"
#include "settings/PreferencesFormDescription.h"

namespace {

// Keys that Windows gives every window, menu and dialog; no description names them.
const std::set<std::string> kWindowsKeys = {"Esc", "Enter", "Tab", "Space", "Alt", "F10", "Alt+F4"};

std::string WithoutAccessMark(std::string_view caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text;
}

// The letter after the access mark, in upper case; empty when the caption has none.
std::string AccessLetter(std::string_view caption) {
    const std::size_t mark = caption.find('&');
    if (mark == std::string_view::npos || mark + 1 >= caption.size())
        return {};
    return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(caption[mark + 1]))));
}

struct ProgramNames {
    std::set<std::string> menus;
    std::set<std::string> keys;
    std::set<std::string> charts;
};

// A menu bar's own items open with Alt and their letter; items inside an open menu with
// the letter alone.
void AddMenuItems(fw::TList<fw::TMenuItemDesc> items, bool menuBar, ProgramNames& names) {
    for (const fw::TMenuItemDesc& item : items) {
        if (item.caption == "-")
            continue;
        names.menus.insert(WithoutAccessMark(item.caption));
        if (!item.shortCut.empty())
            names.keys.insert(std::string(item.shortCut));
        if (const std::string letter = AccessLetter(item.caption); !letter.empty())
            names.keys.insert(menuBar ? "Alt+" + letter : letter);
        AddMenuItems(item.items, false, names);
    }
}

ProgramNames NamesOfTheProgram() {
    ProgramNames names;
    names.keys = kWindowsKeys;
    for (const fw::TMenuDesc& menu : forms::kMainForm.menus)
        AddMenuItems(menu.items, !menu.popup, names);
    for (const fw::TKeyDesc& key : forms::kMainForm.keys)
        names.keys.insert(std::string(key.shortCut));
    for (const fw::TFormDesc* dialog : {&forms::kPreferencesForm, &forms::kAboutForm}) {
        for (const fw::TControlDesc& control : dialog->controls) {
            if (const std::string letter = AccessLetter(control.text); !letter.empty())
                names.keys.insert("Alt+" + letter);
        }
    }
    for (const palettes::ChartEntry& entry : palettes::ChartCatalogue())
        names.charts.insert(std::string(entry.caption));
    return names;
}

std::string Decoded(std::string text) {
    static const std::pair<std::regex, const char*> kEntities[] = {
        {std::regex("&nbsp;"), " "}, {std::regex("&gt;"), ">"}, {std::regex("&lt;"), "<"},
        {std::regex("&quot;"), "\""}, {std::regex("&amp;"), "&"}};
    for (const auto& [entity, character] : kEntities)
        text = std::regex_replace(text, entity, character);
    text = std::regex_replace(text, std::regex("\\s+"), " ");
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

struct HelpPage {
    std::string name{};
    std::multimap<std::string, std::string> marked{};  // kind -> name
    std::vector<std::string> faults{};
    std::string unmarkedText{};
};

HelpPage ReadPage(const std::filesystem::path& path) {
    const std::string html = harness::FileText(path.string());
    HelpPage page{.name = path.filename().string()};

    static const std::regex kMarkedName(R"re(<(span|td) class="(menu|key|chartname)">([^<]*)(<[^>]*>))re");
    std::string rest;
    std::size_t from = 0;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), kMarkedName); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        if (m[4].str() != "</" + m[1].str() + ">")
            page.faults.push_back("a " + m[2].str() + " holds markup: " + m.str());
        page.marked.emplace(m[2].str(), Decoded(m[3].str()));
        rest += html.substr(from, static_cast<std::size_t>(m.position()) - from) + " ";
        from = static_cast<std::size_t>(m.position() + m.length());
    }
    rest += html.substr(from);
    page.unmarkedText = Decoded(std::regex_replace(rest, std::regex("<[^>]*>"), " "));
    return page;
}

class HelpNames : public testing::Test {
protected:
    static void SetUpTestSuite() {
        program_ = NamesOfTheProgram();
        const char* folder = std::getenv("HUETROVE_HELP_PAGES");
        ASSERT_NE(folder, nullptr) << "HUETROVE_HELP_PAGES names the folder of the help pages";
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() == ".htm")
                pages_.push_back(ReadPage(entry.path()));
        }
        ASSERT_FALSE(pages_.empty()) << "no help pages in " << folder;
    }

    static inline ProgramNames program_;
    static inline std::vector<HelpPage> pages_;
};

TEST_F(HelpNames, MenuCaptionsKeysAndChartNamesAreTheProgramsOwn) {
    const std::map<std::string, const std::set<std::string>*> kinds = {
        {"menu", &program_.menus}, {"key", &program_.keys}, {"chartname", &program_.charts}};
    for (const auto& [kind, known] : kinds) {
        std::vector<std::string> unknown;
        int count = 0;
        for (const HelpPage& page : pages_) {
            const auto [first, last] = page.marked.equal_range(kind);
            for (auto it = first; it != last; ++it, ++count) {
                if (!known->contains(it->second))
                    unknown.push_back(page.name + ": " + it->second);
            }
        }
        EXPECT_EQ(unknown, std::vector<std::string>{}) << "class=\"" << kind << "\"";
        EXPECT_GT(count, 0) << "no page marks a " << kind;
    }
}

TEST_F(HelpNames, KeysAndChartNamesAreMarkedAsPlainText) {
    static const std::regex kKeyCombination(R"(\b(Ctrl|Alt|Shift)\+\w+|\bF\d{1,2}\b)");
    std::vector<std::string> faults;
    for (const HelpPage& page : pages_) {
        for (const std::string& fault : page.faults)
            faults.push_back(page.name + ": " + fault);
        const std::string& text = page.unmarkedText;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), kKeyCombination); it != std::sregex_iterator();
             ++it)
            faults.push_back(page.name + ": key not marked: " + it->str());
        for (const std::string& chart : program_.charts) {
            if (text.find(chart) != std::string::npos)
                faults.push_back(page.name + ": chart name not marked: " + chart);
        }
    }
    EXPECT_EQ(faults, std::vector<std::string>{});
}

}  // namespace
