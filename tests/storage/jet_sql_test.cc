#include "storage/db/jet_sql.h"

#include <gtest/gtest.h>

namespace telvane {
namespace {

TranslatedSql Translate(const JetSql& sql) { return TranslateJet(sql.text(), {"date_plan"}); }

TEST(JetSql, StatementsKeepTheirTextForPlainNames) {
  JetSql sql;
  sql << "DELETE * FROM "
      << "tbl_Frames"
      << " WHERE [CableName]=";
  EXPECT_EQ(sql.Quoted("КАБЕЛЬ 1").text(),
            "DELETE * FROM tbl_Frames WHERE [CableName]=\"КАБЕЛЬ 1\"");
  JetSql points;
  points << "SELECT * FROM "
         << "tbl_RFGPoints"
         << " WHERE [RFG_number]= " << 42L << " ORDER BY [Point]";
  EXPECT_EQ(points.text(), "SELECT * FROM tbl_RFGPoints WHERE [RFG_number]= 42 ORDER BY [Point]");
}

TEST(JetSql, DialectTranslation) {
  JetSql del;
  del << "DELETE * FROM tbl_Frames WHERE [CableName]=";
  TranslatedSql t = Translate(del.Quoted("A"));
  EXPECT_EQ(t.sql, "DELETE FROM tbl_Frames WHERE \"CableName\"=?");
  EXPECT_EQ(t.parameters, std::vector<std::string>{"A"});

  JetSql plan;
  plan << "DELETE * FROM tbl_PlanMeasures WHERE ([CableName]=" << kQ;
  plan.Escaped("B") << "\") AND [Date_Plan] Like" << kQ;
  plan.Escaped("09.12.2026") << kQ;
  t = Translate(plan);
  EXPECT_EQ(t.sql,
            "DELETE FROM tbl_PlanMeasures WHERE (\"CableName\"=?) AND "
            "telvane_date_text(\"Date_Plan\") LIKE ?");
  EXPECT_EQ(t.parameters, (std::vector<std::string>{"B", "09.12.2026"}));

  // Like on a column that holds no dates stays a plain Like.
  t = TranslateJet("SELECT * FROM t WHERE [Name] Like 'x%'", {"date_plan"});
  EXPECT_EQ(t.sql, "SELECT * FROM t WHERE \"Name\" Like ?");
  EXPECT_EQ(t.parameters, std::vector<std::string>{"x%"});
}

TEST(JetSql, NamesWithQuotesBracketsPercentAndApostrophesBecomeOneParameter) {
  const std::string odd = "КАБ\"ЕЛЬ\" [1] 50% it's \"\"";
  JetSql sql;
  sql << "SELECT * FROM tbl_RFGHeaders WHERE [CableName]=";
  sql.Quoted(odd) << " AND [Name_RFG] = ";
  sql.Quoted("' OR 1=1 --");
  const TranslatedSql t = Translate(sql);
  EXPECT_EQ(t.sql, "SELECT * FROM tbl_RFGHeaders WHERE \"CableName\"=? AND \"Name_RFG\" = ?");
  EXPECT_EQ(t.parameters, (std::vector<std::string>{odd, "' OR 1=1 --"}));
}

TEST(JetSql, UnterminatedLiteralsAndBracketsAreRefused) {
  EXPECT_TRUE(TranslateJet("SELECT * FROM t WHERE [a]=\"x", {}).sql.empty());
  EXPECT_TRUE(TranslateJet("SELECT * FROM t WHERE [a=1", {}).sql.empty());
  EXPECT_EQ(TranslateJet("SELECT * FROM [tbl \"q\"]", {}).sql, "SELECT * FROM \"tbl \"\"q\"\"\"");
}

}  // namespace
}  // namespace telvane
