#include "cable/trace6/trace6_page.h"

#include "base/cp1251.h"
#include "base/sprintf.h"
#include "base/translatable.h"
#include "cable/pages/cable_session.h"
#include "cable/reflectogram_transfer.h"
#include "cable/trace6/trace6_export.h"

namespace telvane {
namespace {

constexpr char kNothingSelected[] = "Нет выделенных записей";

PlotTrace ToPlot(const Trace6Info& info, const std::vector<uint8_t>& samples, int number) {
  PlotTrace t;
  t.label = Trace6Line(info, number);
  t.amplitude.assign(samples.begin(), samples.end());
  t.scale = {static_cast<double>(info.range_m()), static_cast<double>(info.stretch()),
             info.k() > 0 ? info.k() : 1.0, static_cast<int>(samples.size())};
  t.cursor1 = info.cursor1;
  t.cursor2 = info.cursor2;
  return t;
}

}  // namespace

Trace6Page::Trace6Page(PageContext& context)
    : InstrumentPage(context, PageId::kReflectograms6, "Рефлектограммы") {}

void Trace6Page::ClearBuffers() {
  samples_.clear();
  selected_ = 0;
  folder_.reset();
  Changed();
}

const Kind6Database* Trace6Page::Database() {
  const auto& kind6 = context().initial().kind6;
  return kind6 ? &*kind6 : nullptr;
}

int Trace6Page::count() {
  const Kind6Database* db = Database();
  return db ? static_cast<int>(db->reflectograms.size()) : 0;
}

std::optional<ReflectogramEntry> Trace6Page::Entry(int index) {
  const Kind6Database* db = Database();
  if (db == nullptr || index < 0 || index >= static_cast<int>(db->reflectograms.size())) {
    return std::nullopt;
  }
  return ReflectogramEntry(db->reflectograms[static_cast<size_t>(index)]);
}

std::string Trace6Page::CableName(int cable) {
  const Kind6Database* db = Database();
  // The entry's cable index comes from the instrument: only a cable of the
  // table has a name.
  if (db != nullptr && cable >= 0 && cable < static_cast<int>(db->cables.size())) {
    const std::string name = Cp1251ToUtf8(db->CableName(static_cast<size_t>(cable)));
    if (!name.empty()) return name;
  }
  return Sprintf("Кабель %d", cable + 1);
}

std::vector<std::string> Trace6Page::Lines() {
  std::vector<std::string> lines;
  for (int i = 0; i < count(); ++i)
    lines.push_back(Trace6Line(DecodeTrace6Entry(*Entry(i)), i + 1));
  return lines;
}

void Trace6Page::Select(int index) {
  if (index < 0 || index >= count()) return;
  selected_ = index;
  Changed();
}

std::vector<std::pair<std::string, std::string>> Trace6Page::Panel() {
  const auto entry = Entry(selected_);
  if (!entry) return {};
  const Trace6Info i = DecodeTrace6Entry(*entry);
  auto u = [](int v) { return static_cast<unsigned>(v); };
  return {
      {QT_TRANSLATE_NOOP("CablePages", "Кабель"), CableName(i.cable)},
      {QT_TRANSLATE_NOOP("CablePages", "Дата"),
       Sprintf("%.2u.%.2u.%.2u", u(i.day), u(i.month), u(i.year))},
      {QT_TRANSLATE_NOOP("CablePages", "Время"),
       Sprintf("%.2u:%.2u:%.2u", u(i.hour), u(i.minute), u(i.second))},
      {QT_TRANSLATE_NOOP("CablePages", "Диапазон, м"), Sprintf("%d", i.range_m())},
      {QT_TRANSLATE_NOOP("CablePages", "Растяжка"), Sprintf("%d", i.stretch())},
      {QT_TRANSLATE_NOOP("CablePages", "Импульс, нс"), Sprintf("%d", i.pulse_ns())},
      {QT_TRANSLATE_NOOP("CablePages", "Усиление, дБ"), Sprintf("%d", i.gain_db())},
      {QT_TRANSLATE_NOOP("CablePages", "К.У."), Sprintf("%.3f", i.k())},
      {QT_TRANSLATE_NOOP("CablePages", "Отсчётов"), Sprintf("%d", i.samples)},
  };
}

bool Trace6Page::received(int index) const {
  return index >= 0 && index < static_cast<int>(samples_.size()) &&
         samples_[static_cast<size_t>(index)].has_value();
}

bool Trace6Page::Receive() {
  const auto entry = Entry(selected_);
  if (!entry) {
    screen().ShowMessage(Icon::kWarning, "Telvane", kNothingSelected);
    return false;
  }
  const Trace6Info info = DecodeTrace6Entry(*entry);
  if (info.samples <= 0 || info.samples > trace6::kMaxSamples) {
    screen().ShowMessage(Icon::kError, "Ошибка", kTooManySamples);
    return false;
  }
  ByteChannel* channel = context().session_channel();
  if (channel == nullptr || !IsBinaryInstrument(context().instrument().kind)) {
    ShowNoSession(screen());
    return false;
  }
  if (!folder_) {
    folder_ = screen().ChooseFolder("Папка для рефлектограмм");
    if (!folder_) return false;
  }
  ReceivedTrace trace;
  const bool ok = ReceiveReflectogram(*channel, screen(), context().instrument(),
                                      static_cast<uint8_t>(selected_), *entry,
                                      CableName(info.cable), *folder_, &trace);
  if (ok) {
    if (samples_.size() < static_cast<size_t>(count()))
      samples_.resize(static_cast<size_t>(count()));
    samples_[static_cast<size_t>(selected_)] = std::move(trace.samples);
  }
  Changed();
  return ok;
}

bool Trace6Page::Save() {
  if (!received(selected_) && !Receive()) return false;
  const auto entry = Entry(selected_);
  if (!entry) return false;
  const Trace6Info info = DecodeTrace6Entry(*entry);
  FileDialog dialog;
  dialog.filters = {{kTrace6RfgFilter, "*.rfg"}, {kTrace6XlsFilter, "*.xls"}};
  dialog.default_extension = "rfg";
  const auto choice = screen().ChooseSaveFile(dialog);
  if (!choice) return false;
  const std::vector<uint8_t>& samples = *samples_[static_cast<size_t>(selected_)];
  // The filter chosen decides the format, whatever the name's extension.
  if (choice->filter_index == 2) {
    InstrumentInfo& instrument = context().instrument();
    return WriteTrace6Worksheet(screen(), choice->path, instrument.name, instrument.SerialText(),
                                info, samples);
  }
  return WriteTrace6Rfg(screen(), choice->path, info, samples);
}

std::vector<PlotTrace> Trace6Page::PlotTraces() {
  std::vector<PlotTrace> traces;
  const auto entry = Entry(selected_);
  if (!entry || !received(selected_)) return traces;
  const Trace6Info current = DecodeTrace6Entry(*entry);
  traces.push_back(ToPlot(current, *samples_[static_cast<size_t>(selected_)], selected_ + 1));
  for (int i = 0; i < static_cast<int>(samples_.size()); ++i) {
    const auto other_entry = Entry(i);
    if (i == selected_ || !received(i) || !other_entry) continue;
    const Trace6Info other = DecodeTrace6Entry(*other_entry);
    if (other.cable == current.cable) {
      traces.push_back(ToPlot(other, *samples_[static_cast<size_t>(i)], i + 1));
    }
  }
  return traces;
}

}  // namespace telvane
