#include "sortclass.h"

#include <QDateTime>
#include <QLocale>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace {

QByteArray FoldedBytes(const QString& text) {
  QByteArray bytes = text.toUtf8();
  for (char& c : bytes)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return bytes;
}

// The leading number of the text, as atoi and atof read it: blanks, a sign,
// digits; anything that is no number counts as 0.
const char* SkipBlanks(const char* p, const char* end) {
  while (p < end && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f' || *p == '\v'))
    ++p;
  return p;
}

double LeadingNumber(const QString& text, bool integral) {
  const QByteArray bytes = text.toUtf8();
  const char* p = SkipBlanks(bytes.constData(), bytes.constData() + bytes.size());
  const char* end = bytes.constData() + bytes.size();
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  double value = 0;
  if (integral) {
    long long n = 0;
    const auto r = std::from_chars(p, end, n);
    if (r.ec == std::errc::result_out_of_range) n = std::numeric_limits<long long>::max();
    value = double(n);
  } else if (p < end && (std::isdigit(static_cast<unsigned char>(*p)) || *p == '.')) {
    // Only decimal notation: from_chars would also take "inf" and "nan".
    std::from_chars(p, end, value, std::chars_format::general);
    if (!std::isfinite(value)) value = std::numeric_limits<double>::max();
  }
  return negative ? -value : value;
}

QDateTime ParseDateTime(const QString& text) {
  const QString t = text.trimmed();
  for (Qt::DateFormat f : {Qt::ISODate, Qt::TextDate, Qt::RFC2822Date}) {
    const QDateTime d = QDateTime::fromString(t, f);
    if (d.isValid()) return d;
  }
  for (const QLocale& locale : {QLocale(), QLocale::c()}) {
    for (QLocale::FormatType f : {QLocale::ShortFormat, QLocale::LongFormat}) {
      QDateTime d = locale.toDateTime(t, f);
      if (d.isValid()) return d;
      const QDate day = locale.toDate(t, f);
      if (day.isValid()) return day.startOfDay();
    }
  }
  return {};
}

struct Row {
  QTreeWidgetItem* item;
  QByteArray text;
  double number = 0;
  QDateTime when;
};

int Compare(const Row& a, const Row& b, int type) {
  switch (type) {
    case CSortClass::Integer:
    case CSortClass::Decimal:
      return a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
    case CSortClass::DateTime:
      // Texts that are no date come first, equal among themselves, so the
      // order stays consistent.
      if (a.when.isValid() != b.when.isValid()) return a.when.isValid() ? 1 : -1;
      return a.when < b.when ? -1 : b.when < a.when ? 1 : 0;
    default:
      return a.text < b.text ? -1 : b.text < a.text ? 1 : 0;
  }
}

}  // namespace

CSortClass::CSortClass(QTreeWidget* list, int column) : m_list(list), m_column(column) {}

int CSortClass::CompareNoCase(const QString& a, const QString& b) {
  const QByteArray x = FoldedBytes(a), y = FoldedBytes(b);
  return x < y ? -1 : y < x ? 1 : 0;
}

void CSortClass::Sort(bool ascending, int type) {
  if (!m_list || m_list->topLevelItemCount() < 2) return;
  QTreeWidgetItem* current = m_list->currentItem();
  const QList<QTreeWidgetItem*> selected = m_list->selectedItems();

  // Taking the rows out and putting them back is no change of selection for
  // the owner; keep its handlers quiet.
  const QSignalBlocker blockSelection(m_list->selectionModel());
  const QSignalBlocker blockList(m_list);

  std::vector<Row> rows;
  rows.reserve(m_list->topLevelItemCount());
  for (QTreeWidgetItem* item : m_list->invisibleRootItem()->takeChildren()) {
    Row row{item, {}, 0, {}};
    const QString text = item->text(m_column);
    if (type == Integer || type == Decimal)
      row.number = LeadingNumber(text, type == Integer);
    else if (type == DateTime)
      row.when = ParseDateTime(text);
    else
      row.text = FoldedBytes(text);
    rows.push_back(std::move(row));
  }
  std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
    const int c = Compare(a, b, type);
    return ascending ? c < 0 : c > 0;
  });
  QList<QTreeWidgetItem*> items;
  items.reserve(qsizetype(rows.size()));
  for (const Row& row : rows) items << row.item;
  m_list->addTopLevelItems(items);

  if (current) m_list->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
  for (QTreeWidgetItem* item : selected) item->setSelected(true);
  m_list->viewport()->update();
}
