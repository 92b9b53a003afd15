#pragma once

#include <sqlite3.h>

#include <string>

// SQLite, loaded when the library's store is first opened rather than at
// every start: the start-up rows are at their bounds, and a plain start that
// never opens the library window nor records a launch must not pay for it.
// The C library is used directly rather than Qt SQL: Qt6Sql linked into the
// program would be loaded at every start, and its connections are tied to
// the thread that made them, where the store is used by whichever background
// thread writes next. Safe to use from any thread.
struct SqliteLibrary {
    decltype(&::sqlite3_open_v2) open_v2 = nullptr;
    decltype(&::sqlite3_close_v2) close_v2 = nullptr;
    decltype(&::sqlite3_exec) exec = nullptr;
    decltype(&::sqlite3_free) free = nullptr;
    decltype(&::sqlite3_prepare_v2) prepare_v2 = nullptr;
    decltype(&::sqlite3_step) step = nullptr;
    decltype(&::sqlite3_reset) reset = nullptr;
    decltype(&::sqlite3_finalize) finalize = nullptr;
    decltype(&::sqlite3_bind_int64) bind_int64 = nullptr;
    decltype(&::sqlite3_bind_null) bind_null = nullptr;
    decltype(&::sqlite3_bind_text) bind_text = nullptr;
    decltype(&::sqlite3_bind_blob) bind_blob = nullptr;
    decltype(&::sqlite3_column_int64) column_int64 = nullptr;
    decltype(&::sqlite3_column_type) column_type = nullptr;
    decltype(&::sqlite3_column_text) column_text = nullptr;
    decltype(&::sqlite3_column_blob) column_blob = nullptr;
    decltype(&::sqlite3_column_bytes) column_bytes = nullptr;
    decltype(&::sqlite3_errmsg) errmsg = nullptr;
    decltype(&::sqlite3_errstr) errstr = nullptr;
    decltype(&::sqlite3_extended_errcode) extended_errcode = nullptr;
    decltype(&::sqlite3_busy_timeout) busy_timeout = nullptr;
    decltype(&::sqlite3_last_insert_rowid) last_insert_rowid = nullptr;
    decltype(&::sqlite3_db_readonly) db_readonly = nullptr;

    // Why the library could not be loaded; empty when it was.
    std::string why;
};

// The library, loaded on the first call.
const SqliteLibrary &Sqlite();
