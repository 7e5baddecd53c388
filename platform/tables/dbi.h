// The record-level call interface over the table engine: connections, cursors, record buffers
// read and written by field number, key lookup, record-number positioning, blobs, indexes.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace tables::dbi {

// Status of a call: 0 is success.
using DBIResult = std::uint16_t;
constexpr DBIResult kOk = 0;
constexpr DBIResult kAtBegin = 0x2201;         // the cursor is before the first record
constexpr DBIResult kAtEnd = 0x2202;           // the cursor is after the last record
constexpr DBIResult kNotFound = 0x2204;        // no record for the key or record number
constexpr DBIResult kNotInitialised = 0x2501;  // DbiInitFn has not been called
constexpr DBIResult kBadHandle = 0x2502;       // a handle that is not open
constexpr DBIResult kBadParameter = 0x2503;    // an argument the call cannot take
constexpr DBIResult kNoSuchTable = 0x2701;     // the table file does not exist
constexpr DBIResult kOpenFailed = 0x2702;      // the table exists but cannot be opened
constexpr DBIResult kBadField = 0x2703;        // no such field number, or a field of another kind
constexpr DBIResult kBadValue = 0x2704;        // a value that does not fit its field
constexpr DBIResult kNoIndex = 0x2705;         // a key lookup without an index
constexpr DBIResult kReadOnly = 0x2801;        // a write on a read-only cursor or file
constexpr DBIResult kLocked = 0x2802;          // the record is being edited elsewhere
constexpr DBIResult kFileError = 0x2803;       // a damaged file or a failed read or write

enum class OpenMode { ReadWrite = 0, ReadOnly = 1 };
enum class ShareMode { Shared = 0, Exclusive = 1 };
enum class LockMode { NoLock = 0, WriteLock = 1 };

struct Database;
struct Cursor;
using DatabaseHandle = Database*;
using CursorHandle = Cursor*;

struct CursorProps {
    std::string tableName;  // the file as opened
    std::uint16_t fieldCount = 0;
    std::uint32_t recordBufferSize = 0;  // bytes of one record
    bool readOnly = false;
};

// A record as the calls pass it around: the record's bytes, and the blobs opened on it (UTF-8
// text by field number) with whether they were written.
struct RecordBuffer {
    struct Blob {
        std::string text;
        bool written = false;
    };
    std::string bytes;
    std::map<unsigned, Blob> blobs;
};

// Connections nest: every DbiInitFn is matched by one DbiExit; the last DbiExit closes what
// is still open.
DBIResult DbiInitFn(int version = 300, const void* environment = nullptr);
DBIResult DbiExit();
// Accepted for compatibility; no trace is written.
DBIResult DbiDebugLayerOptions(unsigned options, const std::string& traceFile);
// Message text for a status; for the status of the last failed call, that call's message
// (naming the file and the cause).
DBIResult DbiGetErrorString(DBIResult status, std::string& message);

// The standard database: name and type are ignored; tables resolve in the working folder until
// DbiSetDirectory names another. ReadOnly makes every cursor of the database read-only.
DBIResult DbiOpenDatabase(const std::string& name, const std::string& type, OpenMode openMode,
                          ShareMode shareMode, const std::string& password,
                          DatabaseHandle& database);
DBIResult DbiCloseDatabase(DatabaseHandle& database);
DBIResult DbiSetDirectory(DatabaseHandle database, const std::string& folder);

// tableName: without or with the .dbf extension, relative to the database's folder. driver:
// "DBASE" or "". indexName/tagName: an index to order by (see DbiSwitchToIndex); both empty
// for record order. The cursor starts before the first record.
DBIResult DbiOpenTable(DatabaseHandle database, const std::string& tableName,
                       const std::string& driver, const std::string& indexName,
                       const std::string& tagName, unsigned indexId, OpenMode openMode,
                       ShareMode shareMode, CursorHandle& cursor);
DBIResult DbiCloseCursor(CursorHandle& cursor);
DBIResult DbiGetCursorProps(CursorHandle cursor, CursorProps& props);
DBIResult DbiGetRecordCount(CursorHandle cursor, std::uint32_t& count);

// Indexes are held in memory and named by their key field. A tag names the key field; an index
// file named without a tag (such as "PMN.NDX") is keyed on the field named like the file when
// the table has one, else on field 1. No index file is read.
DBIResult DbiOpenIndex(CursorHandle cursor, const std::string& indexName, unsigned indexId);
DBIResult DbiSwitchToIndex(CursorHandle cursor, const std::string& indexName,
                           const std::string& tagName, unsigned indexId, bool keepCurrent);

// Positioning.
DBIResult DbiSetToBegin(CursorHandle cursor);
DBIResult DbiSetToEnd(CursorHandle cursor);
// recNo from 1; kAtEnd when there is no such record.
DBIResult DbiSetToRecordNo(CursorHandle cursor, std::uint32_t recNo);
// On the current index, the first record whose key starts with the first keyLength characters
// of key (all of key when keyLength is 0). directKey must be true and fieldCount 0. On success
// the cursor is on that record and, when record is given, the record is read into it; on
// kNotFound the cursor is on no record and the buffer is untouched.
DBIResult DbiGetRecordForKey(CursorHandle cursor, bool directKey, unsigned fieldCount,
                             unsigned keyLength, const std::string& key, RecordBuffer* record);

// Records.
DBIResult DbiInitRecord(CursorHandle cursor, RecordBuffer& record);  // a blank record
// The current record as it is in the file now.
DBIResult DbiGetRecord(CursorHandle cursor, LockMode lock, RecordBuffer& record);
DBIResult DbiGetNextRecord(CursorHandle cursor, LockMode lock, RecordBuffer& record);
DBIResult DbiGetPriorRecord(CursorHandle cursor, LockMode lock, RecordBuffer& record);
// Writes the buffer (and the blobs written on it) as a new record; the cursor moves to it.
DBIResult DbiAppendRecord(CursorHandle cursor, RecordBuffer& record);
// Writes the buffer (and its written blobs) over the current record.
DBIResult DbiModifyRecord(CursorHandle cursor, RecordBuffer& record, bool freeLock);
// Marks the current record deleted (the dBASE deletion flag): navigation and indexes pass over
// it from then on; its bytes stay in the file.
DBIResult DbiDeleteRecord(CursorHandle cursor);

// Fields by number (from 1). Text comes without trailing blanks, in UTF-8; a blank field gives
// "" or 0 or false and sets *blank. Any number field reads into double or int32 (cut toward
// zero); a number field also reads as text. Memo fields go through the blob calls.
DBIResult DbiGetField(CursorHandle cursor, unsigned fieldNo, const RecordBuffer& record,
                      std::string& value, bool* blank = nullptr);
DBIResult DbiGetField(CursorHandle cursor, unsigned fieldNo, const RecordBuffer& record,
                      double& value, bool* blank = nullptr);
DBIResult DbiGetField(CursorHandle cursor, unsigned fieldNo, const RecordBuffer& record,
                      std::int32_t& value, bool* blank = nullptr);
DBIResult DbiGetField(CursorHandle cursor, unsigned fieldNo, const RecordBuffer& record,
                      bool& value, bool* blank = nullptr);
// A value too wide for its field gives kBadValue and leaves the buffer unchanged.
DBIResult DbiPutField(CursorHandle cursor, unsigned fieldNo, RecordBuffer& record,
                      const std::string& value);
DBIResult DbiPutField(CursorHandle cursor, unsigned fieldNo, RecordBuffer& record,
                      const char* value);
DBIResult DbiPutField(CursorHandle cursor, unsigned fieldNo, RecordBuffer& record, double value);
DBIResult DbiPutField(CursorHandle cursor, unsigned fieldNo, RecordBuffer& record,
                      std::int32_t value);
DBIResult DbiPutField(CursorHandle cursor, unsigned fieldNo, RecordBuffer& record, bool value);
// Makes a field blank.
DBIResult DbiPutBlankField(CursorHandle cursor, unsigned fieldNo, RecordBuffer& record);

// Blobs (memo fields) on a record buffer. Sizes and offsets count bytes of the UTF-8 text.
DBIResult DbiOpenBlob(CursorHandle cursor, RecordBuffer& record, unsigned fieldNo, OpenMode mode);
DBIResult DbiGetBlobSize(CursorHandle cursor, RecordBuffer& record, unsigned fieldNo,
                         std::uint32_t& size);
DBIResult DbiGetBlob(CursorHandle cursor, RecordBuffer& record, unsigned fieldNo,
                     std::uint32_t offset, std::uint32_t length, char* destination,
                     std::uint32_t* actual);
DBIResult DbiGetBlob(CursorHandle cursor, RecordBuffer& record, unsigned fieldNo,
                     std::uint32_t offset, std::uint32_t length, std::string& destination);
// Writes length bytes at offset; the blob ends after them (a shorter text replaces a longer
// one completely). Written to the memo file by DbiAppendRecord or DbiModifyRecord.
DBIResult DbiPutBlob(CursorHandle cursor, RecordBuffer& record, unsigned fieldNo,
                     std::uint32_t offset, std::uint32_t length, const char* source);
DBIResult DbiFreeBlob(CursorHandle cursor, RecordBuffer& record, unsigned fieldNo);

}  // namespace tables::dbi
