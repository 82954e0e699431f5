#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace zr40 {

// The parts of the configuration a printed plan can hold, in the order they are printed.
enum class PlanPart { Channels, Options, Keys, Message, RxLists };

// Which parts the user ticked. The command line names them "channels", "options", "keys",
// "message" and "rxlists".
class PrintSections {
public:
    static constexpr int kCount = 5;

    static PrintSections All();
    // A comma-separated list of part names; nullopt when a name is unknown or the list is empty.
    static std::optional<PrintSections> Parse(const QString& list);
    static QString Name(PlanPart part);
    static QStringList Names();
    static PlanPart PartAt(int index) { return static_cast<PlanPart>(index); }

    bool Has(PlanPart part) const { return ticked_[Index(part)]; }
    void Set(PlanPart part, bool ticked) { ticked_[Index(part)] = ticked; }
    bool Any() const;

    friend bool operator==(const PrintSections&, const PrintSections&) = default;

private:
    static int Index(PlanPart part) { return static_cast<int>(part); }
    std::array<bool, kCount> ticked_{};
};

} // namespace zr40
