#include "storage/db/database.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

#include "storage/db_samples.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

class DatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::MakeDatabase(path_,
                          "CREATE TABLE t (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, "
                          "d DATETIME, x REAL);");
    db_.Open(path_);
  }
  testing::TempDir dir_;
  std::string path_ = dir_.File("base.mdb");
  Database db_;
};

TEST_F(DatabaseTest, ConnectionStringAndSchemaRowsets) {
  EXPECT_EQ(ConnectionString("/x/b.mdb"),
            "Provider=Microsoft.Jet.OLEDB.4.0;Password=;Data Source=/x/b.mdb");
  Database other;
  other.Open(path_);
  EXPECT_EQ(other.connection_string(),
            "Provider=Microsoft.Jet.OLEDB.4.0;Password=;Data Source=" + path_);
  EXPECT_EQ(other.TableNames(), std::vector<std::string>{"t"});
  const auto columns = other.Columns();
  ASSERT_EQ(columns.size(), 4u);
  EXPECT_EQ(columns[1].table_name, "t");
  EXPECT_EQ(columns[1].column_name, "name");
  EXPECT_TRUE(other.HasColumn("t", "x"));
  EXPECT_FALSE(other.HasColumn("t", "y"));
}

TEST_F(DatabaseTest, MissingFilesAndOtherFilesAreRefused) {
  Database db;
  EXPECT_THROW(db.Open(dir_.File("none.mdb")), DbError);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("none.mdb")));
  testing::WriteAll(dir_.File("text.mdb"), std::vector<uint8_t>(2000, 'x'));
  try {
    db.Open(dir_.File("text.mdb"));
    ADD_FAILURE() << "opened a text file";
  } catch (const DbError& e) {
    EXPECT_NE(std::string(e.what()).find("not a database"), std::string::npos) << e.what();
  }
  EXPECT_THROW(db.Create(path_), DbError);  // exists
}

// Only a regular file is opened: a FIFO is refused without waiting for a
// writer, a device without reading it.
TEST_F(DatabaseTest, FifosAndDevicesAreRefusedAtOnce) {
  const std::string fifo = dir_.File("fifo.mdb");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, std::string("/dev/zero")}) {
    auto opened = std::async(std::launch::async, [&] {
      Database db;
      try {
        db.Open(path);
        return true;
      } catch (const DbError&) {
        return false;
      }
    });
    if (opened.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
      ADD_FAILURE() << "the open waited on " << path;
      const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) {
        ::write(writer, "x", 1);
        ::close(writer);
      }
    }
    EXPECT_FALSE(opened.get()) << path;
  }
}

// A path is the file's name whole: the characters of connection-string
// syntax in it neither cut it short nor move the connection elsewhere.
TEST_F(DatabaseTest, PathsHoldingConnectionSyntaxNameTheirOwnFile) {
  const std::string real = dir_.File("real.mdb");
  testing::MakeDatabase(real, "CREATE TABLE real_table (a INTEGER);");
  for (const std::string name :
       {"real.mdb;other.mdb", "real.mdb;Data Source=x.mdb", "a=\"b\".mdb", "it's {x}.mdb"}) {
    const std::string path = dir_.File(name);
    testing::MakeDatabase(path, "CREATE TABLE own_table (a INTEGER);");
    Database db;
    db.Open(path);
    EXPECT_EQ(db.path(), path);
    EXPECT_EQ(db.TableNames(), std::vector<std::string>{"own_table"}) << name;
    db.ExecuteScript("INSERT INTO own_table VALUES (1)");
  }
  EXPECT_EQ(testing::Rows(real, "SELECT name FROM sqlite_master WHERE type='table'"),
            std::vector<std::string>{"real_table"});
  EXPECT_FALSE(std::filesystem::exists(dir_.File("x.mdb")));
}

TEST_F(DatabaseTest, RecordsetAddPutUpdateGetAndMove) {
  Recordset rs;
  rs.Open(db_, JetSql("SELECT * FROM t"));
  EXPECT_TRUE(rs.IsEof());
  for (const char* name : {"b", "a", "c"}) {
    rs.AddNew();
    rs.Put("NAME", name);  // field names are found in any case
    rs.Put("x", 2.5);
    rs.Update();
  }
  EXPECT_EQ(rs.Get("id").AsLong(), 3);  // assigned by the database, read back
  EXPECT_TRUE(rs.Get("d").is_null());

  rs.Open(db_, JetSql("SELECT * FROM t ORDER BY [name]"));
  ASSERT_EQ(rs.RecordCount(), 3u);
  std::string order;
  for (rs.MoveFirst(); !rs.IsEof(); rs.MoveNext()) order += rs.Get("name").AsText();
  EXPECT_EQ(order, "abc");
  rs.MoveFirst();
  rs.Put("x", 7.0);
  rs.Update();
  EXPECT_EQ(testing::Rows(path_, "SELECT name, x FROM t ORDER BY id"),
            (std::vector<std::string>{"b|2.5", "a|7.0", "c|2.5"}));
  EXPECT_THROW(rs.Get("nonesuch"), DbError);
  rs.MoveNext();
  rs.MoveNext();
  rs.MoveNext();
  EXPECT_TRUE(rs.IsEof());
  EXPECT_THROW(rs.Get("name"), DbError);
}

TEST_F(DatabaseTest, LikeOnADateColumnComparesTheDay) {
  Recordset rs;
  rs.Open(db_, JetSql("SELECT * FROM t"));
  rs.AddNew();
  rs.Put("name", "evening");
  rs.Put("d", 46365.9);  // 09.12.2026 21:36
  rs.Update();
  rs.AddNew();
  rs.Put("name", "next day");
  rs.Put("d", 46366.0);
  rs.Update();
  EXPECT_EQ(db_.Execute(JetSql("DELETE * FROM t WHERE [d] Like\"09.12.2026\"")), 1);
  EXPECT_EQ(testing::Rows(path_, "SELECT name FROM t"), std::vector<std::string>{"next day"});
}

TEST_F(DatabaseTest, TransactionRollsBackUnlessCommitted) {
  {
    Database::Transaction transaction(db_);
    db_.Execute(JetSql("INSERT INTO t (name) VALUES ('gone')"));
  }
  {
    Database::Transaction transaction(db_);
    db_.Execute(JetSql("INSERT INTO t (name) VALUES ('kept')"));
    transaction.Commit();
  }
  EXPECT_EQ(testing::Rows(path_, "SELECT name FROM t"), std::vector<std::string>{"kept"});
}

TEST_F(DatabaseTest, ProviderErrorsCarryTheProvidersText) {
  try {
    db_.Execute(JetSql("DELETE * FROM missing_table"));
    ADD_FAILURE();
  } catch (const DbError& e) {
    EXPECT_EQ(std::string(e.what()), "no such table: missing_table");
  }
  EXPECT_THROW(db_.Execute(JetSql("SELECT * FROM t WHERE [name]=\"x")), DbError);
}

}  // namespace
}  // namespace telvane
