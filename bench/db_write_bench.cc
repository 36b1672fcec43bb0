// How long storing one cable with 2000 planned-measurement pairs takes, against
// one bulk insert of the same rows in a single transaction with one prepared
// statement. The cable must be stored in under 0.25 s.
//
//   build/bench/db_write_bench [REPEATS]
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "storage/db/create_database.h"
#include "storage/db/current_schema.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace {

using Clock = std::chrono::steady_clock;

telvane::DbCable BigCable() {
  telvane::DbCable cable;
  cable.name = "МАГИСТРАЛЬ 2000";
  cable.pairs = 2000;
  cable.temperature = 20.0f;
  cable.plan_date = telvane::DbPlanDate{9, 12, 26};
  telvane::DbFrame frame;
  frame.type.name = "ТПП 2000х2";
  frame.type.diameter = 0.5f;
  frame.length = 1200.0f;
  cable.frames = {frame};
  cable.plan.emplace();
  for (int i = 1; i <= 2000; ++i) {
    telvane::DbPlanPair p;
    p.pair_number = i;
    p.cap_ac = 45.0f + i % 7;
    p.cap_bc = 46.0f;
    p.cap_ab = 44.0f;
    p.ins_ac = p.ins_bc = p.ins_ab = 31000000.0f;
    cable.plan->push_back(p);
  }
  return cable;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The same 2000 rows through one prepared INSERT in one transaction.
double BulkInsert(const std::string& path) {
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  const auto start = Clock::now();
  sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
  sqlite3_stmt* s = nullptr;
  sqlite3_prepare_v2(db,
                     "INSERT INTO tbl_PlanMeasures (CableName, Date_Plan, PairNumber, CAP_ac, "
                     "CAP_bc, CAP_ab, INS_ac, INS_bc, INS_ab) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                     -1, &s, nullptr);
  for (int i = 1; i <= 2000; ++i) {
    sqlite3_bind_text(s, 1, "BULK", -1, SQLITE_STATIC);
    sqlite3_bind_double(s, 2, 46365.0);
    sqlite3_bind_int(s, 3, i);
    sqlite3_bind_double(s, 4, 45.0 + i % 7);
    sqlite3_bind_double(s, 5, 46.0);
    sqlite3_bind_double(s, 6, 44.0);
    for (int c = 7; c <= 9; ++c) sqlite3_bind_double(s, c, 31000000.0);
    sqlite3_step(s);
    sqlite3_reset(s);
  }
  sqlite3_finalize(s);
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  const double seconds = Seconds(Clock::now() - start);
  sqlite3_close(db);
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  telvane::testing::TempDir dir;
  telvane::testing::ScriptedScreen screen;
  const std::string path = dir.File("bench.mdb");
  if (!telvane::CreateCurrentDatabase(screen, path)) return 1;
  const telvane::DbCable cable = BigCable();
  double best_cable = 1e9, best_bulk = 1e9;
  for (int r = 0; r < repeats; ++r) {
    // Each run replaces the cable written before it, as the page does.
    const auto start = Clock::now();
    if (!telvane::WriteCables(screen, path, {cable})) return 1;
    best_cable = std::min(best_cable, Seconds(Clock::now() - start));
    best_bulk = std::min(best_bulk, BulkInsert(path));
  }
  std::printf("cable with 2000 pairs: %.4f s (limit 0.25 s)\n", best_cable);
  std::printf("bulk insert of 2000 rows: %.4f s\n", best_bulk);
  std::printf("ratio: %.1f\n", best_cable / best_bulk);
  return best_cable < 0.25 ? 0 : 1;
}
