#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The editor's rows: three cells per dictionary line, held as the file's
// Windows-1250 bytes and shown as Unicode. A cell the user fills with a
// character the file cannot store keeps that text aside, so it is shown
// as typed and the save can name it instead of mangling it.
// Rows are numbered from 0 here; the grid shows them below its headings.
class DictionaryModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Columns = 3;

    explicit DictionaryModel(QObject* parent = nullptr);

    // One row per line: field k goes to cell k, an empty field becomes a
    // single space, missing fields leave their cells empty, later fields
    // are dropped.
    void load(const std::vector<std::string>& lines);
    // The given number of empty rows.
    void clear(int count);
    void appendRow();

    [[nodiscard]] int rows() const { return static_cast<int>(rows_.size()); }
    [[nodiscard]] QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);

    struct Unstorable {
        int row;
        int column;
        QString character;
    };
    // The first cell, in row then column order, holding a character that a
    // dictionary line cannot carry: one outside Windows-1250, or a CR or LF
    // that would split the line in two.
    [[nodiscard]] std::optional<Unstorable> firstUnstorable() const;

    // One ZlozLinie line per row. Only when firstUnstorable() is empty.
    [[nodiscard]] std::vector<std::string> lines() const;

    // The first cell at or after fromRow, columns 0 to 2 in each row, whose
    // text contains the needle, letter case counting. An empty needle is
    // contained nowhere.
    [[nodiscard]] std::optional<std::pair<int, int>> find(const QString& needle, int fromRow) const;

    static const std::array<QString, Columns>& headings();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    using Row = std::array<std::string, Columns>;
    std::vector<Row> rows_;
    // Cells whose text has no Windows-1250 form, by (row, column).
    std::map<std::pair<int, int>, QString> unstorable_;
};
