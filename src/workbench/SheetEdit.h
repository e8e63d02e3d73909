#pragma once
// What one command did to the sheet and to the values kept beside it (PenMon's previous
// mean temperature, the waterings of the last irrigation, the record of the results and
// their inputs), so that Edit > Undo and Redo
// can put either side back exactly, the sheet's revision included. Only the changed rows
// of the changed columns are kept: a Compute over 32,000 days keeps its result columns,
// a cell typed over one cell.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workbench/Workbench.h"

namespace etp {

class SheetEdit {
public:
    // Before a command that may change the sheet: a copy of all it may change.
    explicit SheetEdit(const Workbench& before);
    // After it: keeps what differs and drops the copy. False when the command left the
    // cells and the kept values as they were; the sheet then gets its revision back, so an
    // unchanged sheet does not count as unsaved work.
    bool finish(Workbench& after);
    // One cell typed over, the workbench already holding the new text (and the results
    // it left out of date); computedBefore is the record of the results before.
    static SheetEdit OfCell(const Workbench& after, int row, int column, std::string_view before,
                            std::uint64_t revisionBefore, const ComputedColumns& computedBefore);

    void undo(Workbench& workbench) const { put(workbench, before_, false); }
    void redo(Workbench& workbench) const { put(workbench, after_, true); }

private:
    // Cell texts back to back, as the sheet keeps a column.
    class Cells {
    public:
        void add(std::string_view text);
        std::size_t size() const { return ends_.size(); }
        std::string_view operator[](std::size_t i) const
        {
            const std::uint32_t begin = i == 0 ? 0 : ends_[i - 1];
            return {text_.data() + begin, ends_[i] - begin};
        }

    private:
        std::string text_;
        std::vector<std::uint32_t> ends_;
    };
    // Rows firstRow, firstRow + 1, ... of one column, before and after.
    struct Span {
        int column = 0;
        int firstRow = 0;
        Cells before, after;
    };
    struct Kept {
        std::uint64_t revision = 0;
        double previousMeanTemperature = 0;
        std::vector<IrrigationApplication> turned, onDemand, crop;
        ComputedColumns computed;
    };

    SheetEdit() = default;
    static Kept KeptOf(const Workbench& workbench);
    void put(Workbench& workbench, const Kept& kept, bool after) const;

    std::optional<MeteoSheet> start_; // the whole sheet until finish()
    std::vector<Span> spans_;
    Kept before_, after_;
};

} // namespace etp
