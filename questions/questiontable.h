#pragma once

// The question bank and the question table: a bank file is read whole into a
// LoadedBank (questions/bankloader.h) and, once accepted, copied into the
// table, whose rows 1..questionCount the question screen draws from.

#include "core/value.h"

#include <QString>

#include <array>

namespace quorix {

enum QuestionColumn {
    ShownFlag = 0,
    Number = 1,
    Picture = 2,
    Statement1 = 3,
    Key1 = 4,
    Explanation1 = 5,
    Statement2 = 6,
    Key2 = 7,
    Explanation2 = 8,
};

// One record of a bank file, in file order.
struct QuestionRecord {
    Value number; // record number as read (number when unquoted numeric text)
    Value picture; // picture name as read
    QString statement1, key1, explanation1;
    QString statement2, key2, explanation2;
    int line = 0; // line of the record number in its file
};

// 401 rows x 10 columns; row 0 and column 9 are never used.
class QuestionTable {
public:
    static constexpr int Rows = 401;
    static constexpr int Columns = 10;
    static constexpr int MaxQuestions = 400;

    Value &cell(int row, int column) { return m_cells[row][column]; }
    const Value &cell(int row, int column) const { return m_cells[row][column]; }

    bool isShown(int row) const { return equalsNumber(m_cells[row][ShownFlag], 1); }

    int questionCount = 0;

private:
    std::array<std::array<Value, Columns>, Rows> m_cells;
};

} // namespace quorix
