#pragma once

#include "FXFileState.h"
#include "FXRatesDocument.h"

#include <QString>

#include <optional>

// A compact copy of the rates document beside the rates file, so that a start reads a few KiB of
// numbers instead of parsing a property list of a few hundred values, which was most of what a
// conversion in cambio-cli cost. The property list stays the document; the copy is trusted only
// for the version of the file it was made from (its FXFileState: device, inode, size and
// modification time), only by the version of the program that made it (another may read rates by
// other rules), and only whole (a checksum over all of it): anything else reads as none, and the
// caller makes it again from the file.
//
// A new copy takes the place of the old one by a rename: a reader never sees half of one, and of
// two processes writing at once the last one wins with a copy as good as the other's.
class FXRatesCache {
public:
    // No copy is kept without a path.
    explicit FXRatesCache(std::optional<QString> path);

    std::optional<FXRatesDocument> read(const FXFileState &source) const;
    // Best effort: a copy that cannot be written is made again at the next read.
    void write(const FXRatesDocument &document, const FXFileState &source) const;

private:
    std::optional<QString> m_path;
};
