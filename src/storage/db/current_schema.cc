#include "storage/db/current_schema.h"

#include <cstdio>

#include "base/cp1251.h"
#include "storage/db/automation_date.h"
#include "storage/db/database.h"
#include "storage/db/db_session.h"
#include "storage/db/schema.h"
#include "storage/trace/trace_file_io.h"

namespace telvane {
namespace {

const std::vector<std::string> kCableTables = {kCableParams, kCableTypes, kFrames, kPlanMeasures};
const std::vector<std::string> kAllTables = {kCableParams,  kCableTypes, kFrames,
                                             kPlanMeasures, kRfgHeaders, kRfgPoints};

std::string DateText(unsigned day, unsigned month, unsigned year) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2u.%.2u.%.4u", day, month, year);
  return text;
}

// "SELECT * FROM ", table, " WHERE [CableName]=", Q, NAME, Q
JetSql SelectCable(const char* table, const std::string& name) {
  JetSql sql;
  sql << "SELECT * FROM " << table << " WHERE [CableName]=";
  return sql.Quoted(name);
}

// "DELETE * FROM ", table, " WHERE [CableName]=", Q, NAME, Q
JetSql DeleteCable(const char* table, const std::string& name) {
  JetSql sql;
  sql << "DELETE * FROM " << table << " WHERE [CableName]=";
  return sql.Quoted(name);
}

// The planned measurement of one cable and date: `verb` is "DELETE * FROM "
// or "SELECT * FROM ".
JetSql PlanOfDate(const char* verb, const std::string& name, const std::string& date) {
  JetSql sql;
  sql << verb << kPlanMeasures << " WHERE ([CableName]=" << kQ;
  sql.Escaped(name) << "\") AND [Date_Plan] Like" << kQ;
  sql.Escaped(date) << kQ;
  return sql;
}

JetSql PointsOf(const char* verb, int64_t number, bool ordered) {
  JetSql sql;
  sql << verb << kRfgPoints << " WHERE [RFG_number]= " << static_cast<long>(number);
  if (ordered) sql << " ORDER BY [Point]";
  return sql;
}

template <typename T>
FieldValue Optional(const std::optional<T>& value) {
  return value ? FieldValue(*value) : FieldValue();
}

// The automation date of the planned measurement and its date text; nullopt
// when the bytes are not a calendar date.
struct PlanDate {
  double value;
  std::string text;
};
std::optional<PlanDate> ResolvePlanDate(Screen& screen, const DbPlanDate& date) {
  DateTime when;
  if (date.year > 253) {
    when = screen.Now();
  } else {
    when.year = 2000 + date.year;
    when.month = date.month;
    when.day = date.day;
  }
  const std::optional<double> value = ToAutomationDate(when);
  if (!value) return std::nullopt;
  return PlanDate{*value, DateText(when.day, when.month, when.year)};
}

void EnsureType(Database& db, const DbCableType& type) {
  Recordset types;
  JetSql sql;
  sql << "SELECT * FROM " << kCableTypes << " WHERE [TypeName]=";
  types.Open(db, sql.Quoted(type.name));
  if (types.RecordCount() > 0) return;  // existing types are never changed
  types.AddNew();
  types.Put("TypeName", type.name);
  types.Put("Diameter", type.diameter);
  types.Put("SpecificCapacity", type.specific_capacity);
  if (type.contraction) types.Put("Contraction", *type.contraction);
  if (type.r_conductor) types.Put("R_Conductor", *type.r_conductor);
  if (type.ma) types.Put("MA", *type.ma);
  types.Put("UserType", false);
  types.Update();
}

void WriteCable(Screen& screen, Database& db, const DbCable& cable) {
  Database::Transaction transaction(db);
  db.Execute(DeleteCable(kCableParams, cable.name));
  db.Execute(DeleteCable(kFrames, cable.name));

  Recordset params;
  params.Open(db, SelectCable(kCableParams, cable.name));
  params.AddNew();
  params.Put("CableName", cable.name);
  if (cable.nlist) params.Put("NList", *cable.nlist);
  if (cable.pairs) params.Put("NumberOfPairs", *cable.pairs);
  if (cable.temperature) params.Put("Temperature", *cable.temperature);
  params.Put("NumberOfFrames", static_cast<long>(cable.frames.size()));
  if (cable.address_plan) params.Put("Address_Plan", *cable.address_plan);
  if (cable.time_charge) params.Put("Time_Charge", *cable.time_charge);
  std::optional<PlanDate> date;
  if (cable.plan_date) {
    date = ResolvePlanDate(screen, *cable.plan_date);
    if (date) params.Put("Date_Plan", date->value);
  }
  params.Update();

  Recordset frames;
  frames.Open(db, SelectCable(kFrames, cable.name));
  for (size_t i = 0; i < cable.frames.size(); ++i) {
    const DbFrame& frame = cable.frames[i];
    EnsureType(db, frame.type);
    frames.AddNew();
    frames.Put("CableName", cable.name);
    frames.Put("NumberOfFrame", static_cast<long>(i + 1));
    frames.Put("TypeName", frame.type.name);
    frames.Put("FrameLength", frame.length);
    if (frame.length_in_points) frames.Put("Length_in_Point", *frame.length_in_points);
    frames.Put("SpecificCapacity", frame.specific_capacity);
    frames.Update();
  }

  if (cable.plan && date) {
    db.Execute(PlanOfDate("DELETE * FROM ", cable.name, date->text));
    Recordset plan;
    plan.Open(db, PlanOfDate("SELECT * FROM ", cable.name, date->text));
    for (const DbPlanPair& pair : *cable.plan) {
      plan.AddNew();
      plan.Put("CableName", cable.name);
      plan.Put("Date_Plan", date->value);
      plan.Put("PairNumber", pair.pair_number);
      plan.Put("CAP_ac", pair.cap_ac);
      plan.Put("CAP_bc", pair.cap_bc);
      plan.Put("CAP_ab", pair.cap_ab);
      plan.Put("INS_ac", pair.ins_ac);
      plan.Put("INS_bc", pair.ins_bc);
      plan.Put("INS_ab", pair.ins_ab);
      plan.Put("LoopResistance", Optional(pair.loop_resistance));
      plan.Put("OhmicAsymmetry", Optional(pair.ohmic_asymmetry));
      plan.Put("DamageCharacter", Optional(pair.damage_character));
      plan.Update();
    }
  }
  transaction.Commit();
}

// Opens the database and checks the tables; false after a shown message.
bool OpenChecked(Screen& screen, Database& db, const std::string& path,
                 const std::vector<std::string>& tables) {
  db.Open(path);
  return CheckTables(screen, db, tables, kMissingTables);
}

TraceSettings ReadSettings(const Recordset& rs) {
  TraceSettings s;
  s.imp = static_cast<uint16_t>(rs.Get("TDRimp").AsLong());
  s.offset = static_cast<uint16_t>(rs.Get("TDRoffset").AsLong());
  s.diap = static_cast<uint16_t>(rs.Get("TDRdiap").AsLong());
  s.rast = static_cast<uint16_t>(rs.Get("TDRrast").AsLong());
  s.middl = static_cast<uint16_t>(rs.Get("TDRmiddl").AsLong());
  s.db = static_cast<int16_t>(rs.Get("TDRdB").AsLong());
  s.curs1 = static_cast<int16_t>(rs.Get("TDRcurs1_M").AsLong());
  s.curs2 = static_cast<int16_t>(rs.Get("TDRcurs2_M").AsLong());
  s.virt_zero_x = static_cast<uint16_t>(rs.Get("TDRvirtZeroX").AsLong());
  s.virt_meas_x = static_cast<int16_t>(rs.Get("TDRvirtMeasX").AsLong());
  s.active_cursor = static_cast<uint8_t>(rs.Get("TDRactiveCursor").AsLong());
  s.virt_left = static_cast<uint16_t>(rs.Get("TDRvirtLeftSide").AsLong());
  s.virt_right = static_cast<uint16_t>(rs.Get("TDRvirtRightSide").AsLong());
  return s;
}

void PutSettings(Recordset& rs, const TraceSettings& s) {
  rs.Put("TDRimp", s.imp);
  rs.Put("TDRoffset", s.offset);
  rs.Put("TDRdiap", s.diap);
  rs.Put("TDRrast", s.rast);
  rs.Put("TDRmiddl", s.middl);
  rs.Put("TDRdB", s.db);
  rs.Put("TDRcurs1_M", s.curs1);
  rs.Put("TDRcurs2_M", s.curs2);
  rs.Put("TDRvirtZeroX", s.virt_zero_x);
  rs.Put("TDRvirtMeasX", s.virt_meas_x);
  rs.Put("TDRactiveCursor", s.active_cursor);
  rs.Put("TDRvirtLeftSide", s.virt_left);
  rs.Put("TDRvirtRightSide", s.virt_right);
}

}  // namespace

bool WriteCables(Screen& screen, const std::string& path, const std::vector<DbCable>& cables) {
  WaitCursor wait(screen);
  try {
    Database db;
    if (!OpenChecked(screen, db, path, kCableTables)) return false;
    for (const DbCable& cable : cables) WriteCable(screen, db, cable);
    return true;
  } catch (const DbError& error) {
    ShowDbError(screen, error);
    return false;
  }
}

bool StoreReflectogram(Screen& screen, const std::string& path, const std::string& cable_name,
                       const ReflectogramRecord& record, int sample_count, bool newer_page) {
  WaitCursor wait(screen);
  try {
    Database db;
    if (!OpenChecked(screen, db, path, kAllTables)) return false;
    Recordset cable;
    cable.Open(db, SelectCable(kCableParams, cable_name));
    if (cable.RecordCount() == 0) {
      screen.ShowMessage(Icon::kWarning, kCableMissingCaption, kCableMissing);
      return false;
    }
    const bool with_coordination = newer_page && db.HasColumn(kRfgHeaders, "rCoordination");
    const std::string name = record.name();

    Database::Transaction transaction(db);
    Recordset header;
    JetSql find;
    find << "SELECT * FROM " << kRfgHeaders << " WHERE [CableName]=";
    find.Quoted(cable_name) << " AND [Name_RFG] = ";
    header.Open(db, find.Quoted(name));
    int64_t number;
    if (header.RecordCount() > 0) {
      number = header.Get("RFG_number").AsLong();
      db.Execute(PointsOf("DELETE * FROM ", number, false));
    } else {
      header.AddNew();
      header.Put("CableName", cable_name);
      header.Put("Name_RFG", name);
      header.Update();
      number = header.Get("RFG_number").AsLong();
    }
    if (record.day() >= 1 && record.day() <= 31 && record.month() >= 1 && record.month() <= 12) {
      header.Put("RFG_Date", DateText(record.day(), record.month(), record.year() + 2000u));
    }
    PutSettings(header, record.settings());
    header.Put("RFG_Version", 1);
    if (with_coordination) {
      header.Put("rCoordination", TruncateToI32(record.coordination(sample_count)));
    }
    header.Update();

    Recordset points;
    points.Open(db, PointsOf("SELECT * FROM ", number, true));
    for (int i = 0; i < sample_count && i < record.sample_capacity(); ++i) {
      points.AddNew();
      points.Put("RFG_Number", static_cast<long long>(number));
      points.Put("Point", i);
      points.Put("RFG", 63 - record.sample(i));
      points.Update();
    }
    transaction.Commit();
    return true;
  } catch (const DbError& error) {
    ShowDbError(screen, error);
    return false;
  }
}

std::optional<std::vector<DbStoredReflectogram>> ListReflectograms(Screen& screen,
                                                                   const std::string& path) {
  WaitCursor wait(screen);
  try {
    Database db;
    if (!OpenChecked(screen, db, path, kAllTables)) return std::nullopt;
    Recordset rs;
    rs.Open(db, JetSql() << "SELECT * FROM " << kRfgHeaders << " ORDER BY [CableName]");
    std::vector<DbStoredReflectogram> list;
    for (rs.MoveFirst(); !rs.IsEof(); rs.MoveNext()) {
      DbStoredReflectogram h;
      h.rfg_number = rs.Get("RFG_number").AsLong();
      h.cable_name = rs.Get("CableName").AsText();
      h.name = rs.Get("Name_RFG").AsText();
      h.version = rs.Get("RFG_Version").AsLong();
      h.date = rs.Get("RFG_Date").AsText();
      h.settings = ReadSettings(rs);
      list.push_back(std::move(h));
    }
    return list;
  } catch (const DbError& error) {
    ShowDbError(screen, error);
    return std::nullopt;
  }
}

bool ReadReflectogram(Screen& screen, const std::string& path, const DbStoredReflectogram& header,
                      ReflectogramRecord& record) {
  if (header.version != 1) {
    screen.ShowMessage(Icon::kError, kDbErrorCaption, kUnknownRfgVersion);
    return false;
  }
  WaitCursor wait(screen);
  try {
    Database db;
    if (!OpenChecked(screen, db, path, kAllTables)) return false;
    Recordset points;
    points.Open(db, PointsOf("SELECT * FROM ", header.rfg_number, true));
    if (points.RecordCount() == 0) {
      screen.ShowMessage(Icon::kError, kNoPointsCaption, kNoPoints);
      return false;
    }
    ReflectogramRecord read(record.form());
    // Name_RFG is read back as at most 16 characters.
    read.set_name_bytes(Utf8ToCp1251(header.name).substr(0, 16));
    unsigned day = 0, month = 0, year = 0;
    if (std::sscanf(header.date.c_str(), "%2u.%2u.%4u", &day, &month, &year) == 3 && year >= 2000 &&
        year < 2256) {
      read.set_date(static_cast<uint8_t>(year - 2000), static_cast<uint8_t>(month),
                    static_cast<uint8_t>(day));
    }
    read.set_settings(header.settings);
    int index = 0;
    for (points.MoveFirst(); !points.IsEof(); points.MoveNext(), ++index) {
      if (index >= read.sample_capacity()) {
        screen.ShowMessage(Icon::kWarning, "Предупреждение", kTooManyPoints);
        break;
      }
      read.set_sample(index, static_cast<uint8_t>(63 - points.Get("RFG").AsLong()));
    }
    record = read;
    return true;
  } catch (const DbError& error) {
    ShowDbError(screen, error);
    return false;
  }
}

std::optional<std::vector<std::string>> ListCables(Screen& screen, const std::string& path) {
  WaitCursor wait(screen);
  try {
    Database db;
    if (!OpenChecked(screen, db, path, kCableTables)) return std::nullopt;
    Recordset rs;
    rs.Open(db, JetSql() << "SELECT * FROM " << kCableParams);
    if (rs.RecordCount() == 0) {
      screen.ShowMessage(Icon::kError, kDbErrorCaption, FillMessage(kEmptyTable, {path}));
      return std::nullopt;
    }
    std::vector<std::string> names;
    for (rs.MoveFirst(); !rs.IsEof(); rs.MoveNext()) {
      const FieldValue name = rs.Get("CableName");
      names.push_back(name.is_null() ? "NULL" : name.AsText());
    }
    return names;
  } catch (const DbError& error) {
    ShowDbError(screen, error);
    return std::nullopt;
  }
}

std::optional<std::vector<DbStoredCable>> ReadCables(Screen& screen, const std::string& path,
                                                     const std::vector<std::string>& names) {
  WaitCursor wait(screen);
  try {
    Database db;
    if (!OpenChecked(screen, db, path, kCableTables)) return std::nullopt;
    std::vector<DbStoredCable> cables;
    for (const std::string& name : names) {
      Recordset rs;
      rs.Open(db, SelectCable(kCableParams, name));
      if (rs.IsEof()) {
        screen.ShowMessage(Icon::kError, kDbErrorCaption, FillMessage(kMissingData, {path}));
        return std::nullopt;
      }
      DbStoredCable cable;
      cable.name = rs.Get("CableName").AsText();
      cable.nlist = static_cast<int32_t>(rs.Get("NList").AsLong());
      cable.pairs = static_cast<int32_t>(rs.Get("NumberOfPairs").AsLong());
      cable.temperature = rs.Get("Temperature").AsFloat();
      cable.frame_count = static_cast<int32_t>(rs.Get("NumberOfFrames").AsLong());
      cable.address_plan = static_cast<int32_t>(rs.Get("Address_Plan").AsLong());
      cable.time_charge = static_cast<int32_t>(rs.Get("Time_Charge").AsLong());
      const FieldValue date = rs.Get("Date_Plan");
      if (!date.is_null()) cable.plan_date = FromAutomationDate(date.AsDouble());

      Recordset frames;
      JetSql sql;
      sql << "SELECT * FROM " << kFrames << " WHERE [CableName]=" << kQ;
      sql.Escaped(name) << "\" ORDER BY [NumberOfFrame]";
      frames.Open(db, sql);
      for (frames.MoveFirst(); !frames.IsEof(); frames.MoveNext()) {
        DbFrame frame;
        frame.type.name = frames.Get("TypeName").AsText();
        frame.length = frames.Get("FrameLength").AsFloat();
        const FieldValue points = frames.Get("Length_in_Point");
        if (!points.is_null()) frame.length_in_points = points.AsFloat();
        frame.specific_capacity = frames.Get("SpecificCapacity").AsFloat();

        Recordset type;
        JetSql type_sql;
        type_sql << "SELECT * FROM " << kCableTypes << " WHERE [TypeName]=\"";
        type_sql.Escaped(frame.type.name) << kQ;
        type.Open(db, type_sql);
        if (type.IsEof()) {
          screen.ShowMessage(Icon::kError, kDbErrorCaption, FillMessage(kMissingData, {path}));
          return std::nullopt;
        }
        frame.type.diameter = type.Get("Diameter").AsFloat();
        frame.type.specific_capacity = type.Get("SpecificCapacity").AsFloat();
        for (auto [column, field] :
             {std::pair{"Contraction", &frame.type.contraction},
              std::pair{"R_Conductor", &frame.type.r_conductor}, std::pair{"MA", &frame.type.ma}}) {
          const FieldValue v = type.Get(column);
          if (!v.is_null()) *field = v.AsFloat();
        }
        frame.type.user_type = type.Get("UserType").AsLong() != 0;
        cable.frames.push_back(std::move(frame));
      }
      cables.push_back(std::move(cable));
    }
    return cables;
  } catch (const DbError& error) {
    ShowDbError(screen, error);
    return std::nullopt;
  }
}

}  // namespace telvane
