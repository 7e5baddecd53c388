// Two processes on one table: changes seen at once, appends never interleaved, and a writer
// killed in the middle of appending leaves every posted row.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <thread>

#include "platform/sys/text.h"
#include "platform/tables/table.h"
#include "tests/platform/tables/table_fixture.h"

namespace {

using tables::Table;
using tables_test::MakeTable;
using tables_test::ScratchFolder;

// Runs the work in a child process; returns its process id.
pid_t StartChild(const std::function<void()>& work) {
    pid_t pid = ::fork();
    if (pid == 0) {
        int status = 0;
        try {
            work();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "child %d: %s\n", static_cast<int>(::getpid()), e.what());
            status = 1;
        } catch (...) {
            status = 1;
        }
        ::_exit(status);
    }
    return pid;
}

int WaitFor(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const char* kSchema = "KEY C 10 0\nVALUE N 12 2\nNOTE M 10 0\n";

// A row whose every field derives from its number, so a torn or mixed record shows.
void AppendRow(Table& table, const std::string& key, int n) {
    table.Append();
    table.SetString("KEY", key);
    table.SetFloat("VALUE", n * 1.25);
    table.SetString("NOTE", sys::Format("memo of %s", key.c_str()));
    table.Post();
}

TEST(TwoProcesses, ASecondProcessEditsAndAppendsWhileTheFirstHasTheTableOpen) {
    ScratchFolder folder;
    std::string path = folder.Path("shared.dbf");
    MakeTable(path, kSchema, {{"A", "1"}, {"C", "2"}, {"E", "3"}});
    Table first;
    first.Open(path);
    first.SetIndex("KEY");
    first.FindNearest(std::string("C"));
    ASSERT_EQ(first.AsFloat("VALUE"), 2);

    pid_t child = StartChild([&] {
        Table second;
        second.Open(path);
        second.SetIndex("KEY");
        second.FindNearest(std::string("C"));
        second.Edit();
        second.SetFloat("VALUE", 20);
        second.SetString("NOTE", "edited elsewhere");
        second.Post();
        AppendRow(second, "D", 4);
    });
    ASSERT_EQ(WaitFor(child), 0);

    // The row read before stays one consistent copy until the cursor moves or refreshes; then
    // it is read from the file as it is now.
    EXPECT_EQ(first.AsFloat("VALUE"), 2);
    first.Refresh();
    EXPECT_EQ(first.AsFloat("VALUE"), 20);
    EXPECT_EQ(first.AsString("NOTE"), "edited elsewhere");
    EXPECT_EQ(first.RecordCount(), 4u);
    first.FindNearest(std::string("D"));  // the rebuilt index finds the new row
    EXPECT_EQ(first.RecNo(), 4u);
    EXPECT_EQ(first.AsString("NOTE"), "memo of D");
    first.Next();
    EXPECT_EQ(first.AsString("KEY"), "E");
}

TEST(TwoProcesses, ConcurrentAppendsNeverLoseOrMixRecords) {
    ScratchFolder folder;
    std::string path = folder.Path("busy.dbf");
    MakeTable(path, kSchema, {});
    const int perWriter = 150;
    auto writer = [&](char prefix) {
        return StartChild([&, prefix] {
            Table table;
            table.Open(path);
            for (int i = 0; i < perWriter; ++i)
                AppendRow(table, sys::Format("%c%04d", prefix, i), i);
        });
    };
    pid_t a = writer('A');
    pid_t b = writer('B');
    ASSERT_EQ(WaitFor(a), 0);
    ASSERT_EQ(WaitFor(b), 0);

    Table table;
    table.Open(path);
    EXPECT_EQ(table.RecordCount(), 2u * perWriter);
    std::set<std::string> keys;
    for (table.First(); !table.Eof(); table.Next()) {
        std::string key = table.AsString("KEY");
        int n = std::stoi(key.substr(1));
        EXPECT_EQ(table.AsFloat("VALUE"), n * 1.25) << key;
        EXPECT_EQ(table.AsString("NOTE"), "memo of " + key);
        keys.insert(key);
    }
    EXPECT_EQ(keys.size(), 2u * perWriter);
}

// Opening a table while another process appends to it: the header may count a row the file
// length taken a moment earlier did not yet hold; the open must still succeed every time.
TEST(TwoProcesses, OpeningWhileAnotherProcessAppendsAlwaysSucceeds) {
    ScratchFolder folder;
    std::string path = folder.Path("growing.dbf");
    MakeTable(path, "KEY C 10 0\nVALUE N 12 2\n", {});
    pid_t child = StartChild([&] {
        Table table;
        table.Open(path);
        for (int i = 0;; ++i) {
            table.Append();
            table.SetString("KEY", sys::Format("G%06d", i));
            table.SetFloat("VALUE", i);
            table.Post();
        }
    });
    {
        Table watcher;  // the writer is under way before the opens begin
        watcher.Open(path);
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (watcher.RecordCount() < 5 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::uint32_t lastCount = 0;
    for (int i = 0; i < 400; ++i) {
        Table reader;
        ASSERT_NO_THROW(reader.Open(path)) << "open " << i;
        std::uint32_t count = reader.RecordCount();
        EXPECT_GE(count, lastCount);
        lastCount = count;
    }
    ::kill(child, SIGKILL);
    WaitFor(child);
    EXPECT_GE(lastCount, 5u);
}

TEST(TwoProcesses, AWriterKilledWhileAppendingLeavesEveryPostedRow) {
    ScratchFolder folder;
    std::string path = folder.Path("killed.dbf");
    MakeTable(path, kSchema, {});
    pid_t child = StartChild([&] {
        Table table;
        table.Open(path);
        for (int i = 0;; ++i)
            AppendRow(table, sys::Format("K%06d", i), i);
    });
    {
        Table watcher;
        watcher.Open(path);
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (watcher.RecordCount() < 40 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ::kill(child, SIGKILL);
    WaitFor(child);

    Table table;
    table.Open(path);
    std::uint32_t count = table.RecordCount();
    EXPECT_GE(count, 40u);
    std::uint32_t n = 0;
    for (table.First(); !table.Eof(); table.Next(), ++n) {
        ASSERT_EQ(table.AsString("KEY"), sys::Format("K%06u", n));
        ASSERT_EQ(table.AsFloat("VALUE"), n * 1.25);
        ASSERT_EQ(table.AsString("NOTE"), sys::Format("memo of K%06u", n));
    }
    EXPECT_EQ(n, count);
    AppendRow(table, "AFTER", 1);  // and the table takes new rows
    EXPECT_EQ(table.RecordCount(), count + 1);
}

TEST(CrashStates, ARecordWrittenButNotCountedIsIgnoredAndOverwritten) {
    ScratchFolder folder;
    std::string path = folder.Path("crash.dbf");
    MakeTable(path, "KEY C 10 0\n", {{"one"}, {"two"}});
    // As left by a writer stopped between the record and the header count: a whole record
    // after the counted ones, or only part of one.
    for (std::string tail : {std::string(" three     \x1A"), std::string(" thr")}) {
        SCOPED_TRACE(tail);
        std::string bytes = tables_test::ReadBytes(path);
        bytes.resize(bytes.size() - 1);  // drop the end mark
        tables_test::WriteBytes(path, bytes + tail);
        Table table;
        table.Open(path);
        EXPECT_EQ(table.RecordCount(), 2u);
        table.Last();
        EXPECT_EQ(table.AsString("KEY"), "two");
        table.Append();
        table.SetString("KEY", "new");
        table.Post();
        table.Close();
        std::string out = tables_test::RunCommand(
            "/usr/bin/python3 -c \"import dbfread,sys; "
            "print(','.join(r['KEY'] for r in dbfread.DBF(sys.argv[1])))\" " +
            path);
        EXPECT_EQ(out, "one,two,new\n");
        MakeTable(path, "KEY C 10 0\n", {{"one"}, {"two"}});
    }
}

// A table of 3000 rows keyed R00000 to R02999, records of 11 bytes after a 65-byte header;
// returns its path.
std::string MakeKeyTable(ScratchFolder& folder, const std::string& name) {
    std::string path = folder.Path(name);
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < 3000; ++i)
        rows.push_back({sys::Format("R%05d", i)});
    MakeTable(path, "KEY C 10 0\n", rows);
    return path;
}

// Another program shrinking the table underneath: the records past the new end are no longer in
// the mapping, and reading one is an error naming the cause, never a bus error.
TEST(OtherPrograms, ATableCutShortUnderneathGivesAnErrorNotACrash) {
    ScratchFolder folder;
    std::string path = MakeKeyTable(folder, "shrunk.dbf");
    Table table;
    table.Open(path);
    table.Last();
    ASSERT_EQ(table.AsString("KEY"), "R02999");
    auto expectChanged = [](const std::function<void()>& read) {
        try {
            read();
            ADD_FAILURE() << "read";
        } catch (const tables::TableError& error) {
            EXPECT_NE(std::string(error.what()).find("changed by another program"),
                      std::string::npos)
                << error.what();
            EXPECT_NE(std::string(error.what()).find("shrunk.dbf"), std::string::npos);
        }
    };
    ASSERT_EQ(::truncate(path.c_str(), 32 + 32 + 1 + 11 * 10), 0);  // ten records left
    expectChanged([&] { table.GoToRecord(2000); });
    expectChanged([&] { table.GoToRecord(2000); });  // a failed read leaves no stand-in bytes
    expectChanged([&] { table.Refresh(); });
    expectChanged([&] { table.SetIndex("KEY"); });
    EXPECT_EQ(table.AsString("KEY"), "R02999");  // the copy taken before is still whole
    // A walk, row after row, through the part that is gone.
    table.SetIndex("");
    ASSERT_TRUE(table.GoToRecord(5));
    expectChanged([&] {
        for (int i = 0; i < 3000; ++i)
            table.Next();
    });
    expectChanged([&] { table.Next(); });  // and again: the pages that were gone still are
    ASSERT_EQ(::truncate(path.c_str(), 0), 0);
    expectChanged([&] { table.RecordCount(); });
    expectChanged([&] { table.First(); });
    expectChanged([&] { table.First(); });
}

// An index whose rebuild fails on a table cut short is not taken as built afterwards: every use
// fails the same way, none finds an empty table.
TEST(OtherPrograms, AnIndexThatFailedToRebuildIsNotTakenAsBuilt) {
    ScratchFolder folder;
    std::string path = MakeKeyTable(folder, "shrunk.dbf");
    Table table;
    table.Open(path);
    table.SetIndex("KEY");
    ASSERT_EQ(::truncate(path.c_str(), 32 + 32 + 1 + 11 * 10), 0);  // ten records left
    for (int attempt = 0; attempt < 2; ++attempt)
        EXPECT_THROW(table.FindNearest(std::string("R00005")), tables::TableError) << attempt;
}

// While another process posts one row over and over, each version whole, a row read field by
// field (with time between the fields) always gives the fields of one version.
TEST(TwoProcesses, ARowReadFieldByFieldIsOneVersionOfTheRecord) {
    ScratchFolder folder;
    std::string path = folder.Path("versions.dbf");
    MakeTable(path, "FIRST C 10 0\nSECOND C 10 0\n", {{"v0", "v0"}});
    pid_t writer = StartChild([&] {
        Table table;
        table.Open(path);
        for (int version = 1;; ++version) {
            table.Edit();
            table.SetString("FIRST", sys::Format("v%d", version));
            table.SetString("SECOND", sys::Format("v%d", version));
            table.Post();
        }
    });
    Table reader;
    reader.Open(path);
    std::set<std::string> seen;
    // On a busy machine the writer may get little time: reads go on until it has posted
    // several versions (or a generous time has passed), and at least 200 of them.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (int i = 0; i < 200 || (seen.size() <= 10 && std::chrono::steady_clock::now() < deadline);
         ++i) {
        reader.Refresh();
        std::string first = reader.AsString("FIRST");
        std::this_thread::sleep_for(std::chrono::microseconds(300));
        std::string second = reader.AsString("SECOND");
        ASSERT_EQ(first, second) << "read " << i;
        seen.insert(first);
    }
    ::kill(writer, SIGKILL);
    WaitFor(writer);
    EXPECT_GT(seen.size(), 10u);  // the writer really was posting all along
}

// A writer of a table with memo texts, posting edits and appends, killed at random moments: after
// each kill the table opens, every post that had returned is there, the one in flight is there
// whole or not at all, and each row's memo belongs to its own version of the row.
TEST(TwoProcesses, AMemoWriterKilledAtRandomMomentsLosesNoPostedRecord) {
    ScratchFolder folder;
    std::string path = folder.Path("memos.dbf");
    MakeTable(path, "KEY C 10 0\nVERSION N 8 0\nNOTE M 10 0\n", {});
    auto noteOf = [](const std::string& key, long version) {
        // Lengths from a few bytes to several memo blocks.
        return sys::Format("memo of %s at %ld ", key.c_str(), version) +
               std::string(std::size_t(version * 397 % 1500), char('a' + version % 26));
    };
    std::map<std::uint32_t, long> committed;  // record -> last version whose post returned
    int posts = 0;
    std::srand(20261210);
    for (int kill = 0; kill < 30; ++kill) {
        SCOPED_TRACE(kill);
        int report[2];
        ASSERT_EQ(::pipe(report), 0);
        pid_t writer = StartChild([&] {
            ::close(report[0]);
            Table table;
            table.Open(path);
            for (unsigned step = 0;; ++step) {
                std::uint32_t count = table.RecordCount();
                std::uint32_t recNo = 0;
                long version = 0;
                if (count == 0 || step % 3 == 0) {
                    table.Append();
                    table.SetString("KEY", sys::Format("K%05u", count + 1));
                } else {
                    table.GoToRecord(1 + (step * 7919u) % count);
                    version = table.AsInteger("VERSION") + 1;
                    table.Edit();
                }
                table.SetInteger("VERSION", version);
                table.SetString("NOTE", noteOf(table.AsString("KEY"), version));
                table.Post();
                recNo = table.RecNo();
                std::string line = sys::Format("%u %ld\n", recNo, version);
                if (::write(report[1], line.data(), line.size()) < 0)
                    break;
            }
        });
        ::close(report[1]);
        // Once the writer has posted, it is killed at a random moment of what follows.
        std::string reported;
        char buffer[4096];
        while (reported.find('\n') == std::string::npos) {
            ssize_t n = ::read(report[0], buffer, sizeof buffer);
            ASSERT_GT(n, 0) << "the writer stopped before posting";
            reported.append(buffer, std::size_t(n));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(std::rand() % 30000));
        ::kill(writer, SIGKILL);
        WaitFor(writer);
        for (ssize_t n; (n = ::read(report[0], buffer, sizeof buffer)) > 0;)
            reported.append(buffer, std::size_t(n));
        ::close(report[0]);
        std::istringstream lines(reported);
        for (std::uint32_t recNo; lines >> recNo;) {
            long version = 0;
            lines >> version;
            committed[recNo] = version;
            ++posts;
        }

        Table table;
        ASSERT_NO_THROW(table.Open(path));
        ASSERT_GE(table.RecordCount(), committed.empty() ? 0u : committed.rbegin()->first);
        for (table.First(); !table.Eof(); table.Next()) {
            std::string key = table.AsString("KEY");
            long version = table.AsInteger("VERSION");
            ASSERT_EQ(key, sys::Format("K%05u", table.RecNo()));
            ASSERT_EQ(table.AsString("NOTE"), noteOf(key, version)) << key;
            auto last = committed.find(table.RecNo());
            if (last != committed.end()) {
                ASSERT_GE(version, last->second) << key;  // a returned post is never lost
                ASSERT_LE(version, last->second + 1) << key;
            }
            committed[table.RecNo()] = version;  // the post in flight, when there, stays too
        }
    }
    EXPECT_GE(posts, 30);  // the writer really wrote between the kills
}

}  // namespace
