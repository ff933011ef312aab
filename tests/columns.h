#pragma once

#include <QTest>
#include <array>
#include <tuple>
#include <utility>

// The columns of a data-driven test, named once beside their types: add() declares them
// in the test's _data function, fetch() gives the current row's values in the test.
template <typename... T>
class Columns {
  public:
    template <typename... Name>
    constexpr explicit Columns(Name... names) : names_{names...} {}

    void add() const { add(std::index_sequence_for<T...>()); }
    std::tuple<T...> fetch() const { return fetch(std::index_sequence_for<T...>()); }

  private:
    template <std::size_t... I>
    void add(std::index_sequence<I...>) const {
        (QTest::addColumn<T>(names_[I]), ...);
    }
    template <std::size_t... I>
    std::tuple<T...> fetch(std::index_sequence<I...>) const {
        return {*static_cast<T*>(QTest::qData(names_[I], qMetaTypeId<T>()))...};
    }

    std::array<const char*, sizeof...(T)> names_;
};
