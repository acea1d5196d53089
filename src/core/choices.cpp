#include "core/choices.h"

namespace korvane {
namespace {

template <typename Row, std::size_t N, typename Key, typename Member>
const Row& RowOf(const std::array<Row, N>& table, Member member, Key key) {
    for (const Row& row : table) {
        if (row.*member == key) {
            return row;
        }
    }
    // Every enumerator has its row; the tests make sure of it.
    return table.front();
}

}  // namespace

const MethodState& MethodStateOf(AdditionMethod method) {
    return RowOf(kMethodStates, &MethodState::method, method);
}

const TargetState& TargetStateOf(TargetKind kind) {
    return RowOf(kTargetStates, &TargetState::kind, kind);
}

}  // namespace korvane
