#include "cli/diff.h"

#include "cli/listing.h"
#include "cli/settings_text.h"
#include "cli/unicode.h"
#include "platform/multibyte.h"
#include "stores/checker_value_names.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvcfg {

namespace {

// Names compare ignoring case, as the library matches rows and categories.
struct NoCase {
    bool operator()(const std::string& a, const std::string& b) const {
        return platform::MbsICmp(a.c_str(), b.c_str()) < 0;
    }
};

// Rows by name, those of one name in the order the place lists them (an inventory may list a
// name twice: one printer driver file serves two models).
template <typename Row> using ByName = std::multimap<std::string, Row, NoCase>;

ByName<const kelvd::DriverEntry*> DriversByName(const kelvd::ConfigModel& model) {
    ByName<const kelvd::DriverEntry*> rows;
    for (const ListedDriver& driver : ListDrivers(model))
        rows.emplace(std::string(driver.table) + " " + driver.row->path, driver.row);
    return rows;
}

ByName<const kelvd::ApiCategory*> CategoriesByName(const kelvd::ConfigModel& model) {
    ByName<const kelvd::ApiCategory*> rows;
    for (const ListedCategory& listed : ListCategories(model))
        rows.emplace(std::string(listed.table) + " " + listed.category->name, listed.category);
    return rows;
}

using EventRows = std::vector<std::pair<std::string_view, uint8_t>>;

// A category's events by name, those of one name in the category's order: all of them, or those
// at the indices only lists. Sorted once, which for a thousand events is much cheaper than a
// map's node for each.
EventRows EventFlags(const kelvd::ApiCategory& category, const std::vector<size_t>* only) {
    EventRows flags;
    auto add = [&](size_t event) {
        flags.emplace_back(category.eventNames[event], category.eventFlags[event]);
    };
    if (only)
        std::for_each(only->begin(), only->end(), add);
    else
        for (size_t event = 0; event < category.eventNames.size(); ++event)
            add(event);
    std::stable_sort(flags.begin(), flags.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return flags;
}

// When two categories list the same events in the same order, as two places of one catalogue
// do: the indices of the events whose flags differ, the only ones that need comparing.
std::optional<std::vector<size_t>> DifferingFlags(const kelvd::ApiCategory& a,
                                                  const kelvd::ApiCategory& b) {
    if (a.eventNames != b.eventNames)
        return std::nullopt;
    std::vector<size_t> differing;
    for (size_t event = 0; event < a.eventNames.size(); ++event)
        if (a.eventFlags[event] != b.eventFlags[event])
            differing.push_back(event);
    return differing;
}

// Walks the names of both sequences, each in the order less sorts them: compare(name, a or null,
// b or null). Rows of one name are paired in their order, the k-th of a with the k-th of b.
template <typename Rows, typename Less, typename Compare>
void Merge(const Rows& a, const Rows& b, Less less, Compare compare) {
    auto left = a.begin(), right = b.begin();
    while (left != a.end() || right != b.end()) {
        if (right == b.end() || (left != a.end() && less(left->first, right->first))) {
            compare(left->first, &left->second, nullptr);
            ++left;
        } else if (left == a.end() || less(right->first, left->first)) {
            compare(right->first, nullptr, &right->second);
            ++right;
        } else {
            compare(left->first, &left->second, &right->second);
            ++left;
            ++right;
        }
    }
}

class Report {
public:
    explicit Report(std::ostream& out) : out_(out) {}
    void Line(const std::string& what, const std::string& a, const std::string& b) {
        out_ << ConsoleFromModel(what) << ": " << a << " | " << b << "\n";
        differ_ = true;
    }
    bool differ() const { return differ_; }

private:
    std::ostream& out_;
    bool differ_ = false;
};

constexpr const char* kMissing = "-";

void CompareSettings(const Snapshot& a, const Snapshot& b, Report& report) {
    for (const kelvd::ScalarValue& setting : kelvd::kScalarValues) {
        const uint32_t left = a.settings.*(setting.field), right = b.settings.*(setting.field);
        if (left != right)
            report.Line(std::string("setting ") + setting.name, SettingText(setting.name, left),
                        SettingText(setting.name, right));
    }
}

void CompareDrivers(const Snapshot& a, const Snapshot& b, Report& report) {
    Merge(DriversByName(*a.model), DriversByName(*b.model), NoCase(),
          [&](const std::string& name, const kelvd::DriverEntry* const* left,
              const kelvd::DriverEntry* const* right) {
              if (!left || !right || (*left)->checkState != (*right)->checkState)
                  report.Line(name, left ? StateText((*left)->checkState) : kMissing,
                              right ? StateText((*right)->checkState) : kMissing);
          });
}

void CompareCategories(const Snapshot& a, const Snapshot& b, Report& report) {
    Merge(CategoriesByName(*a.model), CategoriesByName(*b.model), NoCase(),
          [&](const std::string& name, const kelvd::ApiCategory* const* left,
              const kelvd::ApiCategory* const* right) {
              if (!left || !right) {
                  report.Line(name, left ? CategoryStateText((*left)->checkState) : kMissing,
                              right ? CategoryStateText((*right)->checkState) : kMissing);
                  return;
              }
              const std::optional<std::vector<size_t>> differing = DifferingFlags(**left, **right);
              const std::vector<size_t>* only = differing ? &*differing : nullptr;
              Merge(EventFlags(**left, only), EventFlags(**right, only),
                    std::less<std::string_view>(),
                    [&](std::string_view event, const uint8_t* l, const uint8_t* r) {
                        if (!l || !r || *l != *r)
                            report.Line(name + " / " + std::string(event),
                                        l ? StateText(*l) : kMissing, r ? StateText(*r) : kMissing);
                    });
          });
}

} // namespace

Snapshot TakeSnapshot(const std::string& place, const kelvd::ScalarSettings& settings) {
    return {place, std::make_unique<kelvd::ConfigModel>(std::move(kelvd::configModel())), settings};
}

bool PrintDifferences(const Snapshot& a, const Snapshot& b, std::ostream& out) {
    out << "A: " << a.place << "\nB: " << b.place << "\n";
    Report report(out);
    CompareSettings(a, b, report);
    CompareDrivers(a, b, report);
    CompareCategories(a, b, report);
    if (!report.differ())
        out << "no differences\n";
    return report.differ();
}

} // namespace kelvcfg
