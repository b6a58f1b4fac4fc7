#pragma once

#include <shapefil.h>

#include <string>

namespace zofar {

/// File hooks for shapelib that read only descriptors the caller has opened and checked, never
/// a path. Shapelib derives the names it opens from the one it is given (it puts ".dbf" or
/// ".DBF" in place of any extension, and looks for a ".cpg" beside it), and its hooks carry no
/// context; so the descriptors travel inside the name: open DescriptorFileName(...) with
/// DBFOpenLL and these hooks. Every open is read-only; writes and removals fail; errors are
/// not printed (the caller turns a failed read into its own description).
SAHooks DescriptorFileHooks();

/// The name under which DescriptorFileHooks open `tableFd` as the table and `codePageFd` as
/// its code page file (-1: none). The descriptors stay the caller's; each open duplicates them.
std::string DescriptorFileName(int tableFd, int codePageFd);

}  // namespace zofar
