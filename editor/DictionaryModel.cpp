#include "DictionaryModel.h"

#include "Cp1250.h"
#include "PlikSlownika.h"

#include <stdexcept>

namespace {

QString characterAt(const QString& text, qsizetype index)
{
    const qsizetype length = text.at(index).isHighSurrogate() && index + 1 < text.size() ? 2 : 1;
    return text.mid(index, length);
}

} // namespace

DictionaryModel::DictionaryModel(QObject* parent) : QAbstractTableModel(parent) {}

const std::array<QString, DictionaryModel::Columns>& DictionaryModel::headings()
{
    static const std::array<QString, Columns> names = {
        QStringLiteral("Angielski"), QStringLiteral("Polski"), QStringLiteral("Kategoria")};
    return names;
}

void DictionaryModel::load(const std::vector<std::string>& lines)
{
    std::vector<Row> loaded(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string> fields = PodzielLinie(lines[i]);
        for (std::size_t k = 0; k < fields.size() && k < Columns; ++k)
            loaded[i][k] = fields[k].empty() ? std::string(" ") : fields[k];
    }
    beginResetModel();
    rows_ = std::move(loaded);
    unstorable_.clear();
    endResetModel();
}

void DictionaryModel::clear(int count)
{
    beginResetModel();
    rows_.assign(static_cast<std::size_t>(count), Row{});
    unstorable_.clear();
    endResetModel();
}

void DictionaryModel::appendRow()
{
    beginInsertRows({}, rows(), rows());
    rows_.emplace_back();
    endInsertRows();
}

QString DictionaryModel::text(int row, int column) const
{
    if (!unstorable_.empty()) {
        const auto it = unstorable_.find({row, column});
        if (it != unstorable_.end())
            return it->second;
    }
    return Cp1250::toUnicode(rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
}

void DictionaryModel::setText(int row, int column, const QString& text)
{
    std::string& cell = rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    if (auto bytes = Cp1250::fromUnicode(text)) {
        cell = std::move(*bytes);
        unstorable_.erase({row, column});
    } else {
        cell.clear();
        unstorable_[{row, column}] = text;
    }
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}

std::optional<DictionaryModel::Unstorable> DictionaryModel::firstUnstorable() const
{
    // The cells kept aside are ordered by place; the first of them bounds
    // the scan of the stored cells for line breaks.
    const auto aside = unstorable_.begin();
    const std::pair<int, int> limit = aside != unstorable_.end() ? aside->first : std::pair{rows(), 0};
    for (int r = 0; r <= limit.first && r < rows(); ++r) {
        for (int c = 0; c < Columns && std::pair{r, c} < limit; ++c) {
            const std::string& cell = rows_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            const std::size_t bad = cell.find_first_of("\r\n");
            if (bad != std::string::npos)
                return Unstorable{r, c, QString(QChar(static_cast<char16_t>(cell[bad])))};
        }
    }
    if (aside == unstorable_.end())
        return std::nullopt;
    qsizetype bad = 0;
    (void)Cp1250::fromUnicode(aside->second, &bad);
    return Unstorable{aside->first.first, aside->first.second, characterAt(aside->second, bad)};
}

std::vector<std::string> DictionaryModel::lines() const
{
    if (!unstorable_.empty())
        throw std::logic_error("a cell has no Windows-1250 form");
    std::vector<std::string> out;
    out.reserve(rows_.size());
    for (const Row& row : rows_)
        out.push_back(ZlozLinie(row[0], row[1], row[2]));
    return out;
}

std::optional<std::pair<int, int>> DictionaryModel::find(const QString& needle, int fromRow) const
{
    if (needle.isEmpty())
        return std::nullopt;
    // Windows-1250 maps each byte to one character and back, so a byte
    // substring is exactly a substring of the shown text.
    const std::optional<std::string> bytes = Cp1250::fromUnicode(needle);
    for (int r = std::max(fromRow, 0); r < rows(); ++r) {
        for (int c = 0; c < Columns; ++c) {
            if (!unstorable_.empty()) {
                const auto it = unstorable_.find({r, c});
                if (it != unstorable_.end()) {
                    if (it->second.contains(needle, Qt::CaseSensitive))
                        return std::pair{r, c};
                    continue;
                }
            }
            if (bytes && rows_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)].find(*bytes) != std::string::npos)
                return std::pair{r, c};
        }
    }
    return std::nullopt;
}

int DictionaryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows();
}

int DictionaryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant DictionaryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return text(index.row(), index.column());
}

bool DictionaryModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setText(index.row(), index.column(), value.toString());
    return true;
}

QVariant DictionaryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal && section >= 0 && section < Columns)
        return headings()[static_cast<std::size_t>(section)];
    if (orientation == Qt::Vertical)
        return section + 1;
    return {};
}

Qt::ItemFlags DictionaryModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}
