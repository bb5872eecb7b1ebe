// QTest's data tables, their columns declared in one line.
#pragma once

#include <QtTest>

namespace gavrento::test {

// Columns<QString, bool>("height", "warned") adds a column of each type, in order, with
// the names given.
template <typename... Types, typename... Names>
void Columns(Names... names) {
  static_assert(sizeof...(Types) == sizeof...(Names), "a name for each column");
  (QTest::addColumn<Types>(names), ...);
}

}  // namespace gavrento::test
