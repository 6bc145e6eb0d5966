#pragma once
// Whole-file reads, whole-or-nothing file writes, and folders.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "util/byte_sink.h"
#include "util/result.h"
#include "win/handles.h"

bool path_exists(const std::string& path);
bool is_folder(const std::string& path);
// Creates the folder with every missing parent.
Status create_folders(const std::string& path);
// The file's bytes; none when it does not exist; an error when it cannot be read or is larger
// than max_bytes.
Result<std::optional<std::string>> read_file(const std::string& path, uint64_t max_bytes);

struct ReplaceOptions {
    bool replace_existing = true;  // false: an existing target is kept (ERROR_ALREADY_EXISTS)
};
// A file is replaced whole or not at all. The bytes go to a temporary file in the target's
// folder; only after every write, the flush and the close succeeded is it moved over the
// target. On failure the temporary file is deleted and an existing target is left as it was.
Status write_file_replacing(const std::string& path, const std::function<Status(ByteSink&)>& produce,
                            const ReplaceOptions& options = {});
Status write_file_replacing(const std::string& path, const std::vector<uint8_t>& bytes,
                            const ReplaceOptions& options = {});
Status write_file_replacing(const std::string& path, std::string_view bytes, const ReplaceOptions& options = {});

// Deletes the temporary files that write_file_replacing leaves when its process is killed
// mid-write: only its own names (util/temp_name.h), only files last written before
// `written_before` (a FILETIME value, 100 ns units since 1601), so none of a write still going
// on. Gives how many were deleted; a missing folder has none.
size_t remove_stale_temp_files(const std::string& folder, uint64_t written_before);

// A file written from its start as the bytes come: created, or emptied when it exists. What was
// written stays when a later write fails. close() flushes and reports a failed close; the
// destructor closes without a report.
class FileWriter final : public ByteSink {
public:
    static Result<FileWriter> create(const std::string& path);
    Status write(const uint8_t* data, size_t size) override;
    Status close();

private:
    explicit FileWriter(Handle file) : file_(std::move(file)) {}
    Handle file_;
};
