#include "win/dev_report.h"

#include "util/log.h"
#include "win/file_io.h"

void write_dev_report(const std::string& path, std::string_view text, std::string_view job) {
    if (Status s = write_file_replacing(path, text); !s)
        debug_log(std::string(job) + ": report not written: " + s.error().message);
}
