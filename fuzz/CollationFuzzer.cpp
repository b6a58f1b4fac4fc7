// The general collation on random triples of texts: a strict weak order (irreflexive,
// antisymmetric, transitive, with transitive equivalence), in which texts that differ only in
// letter case are equivalent.
#include <string_view>

#include "FuzzSupport.h"
#include "store/JetText.h"

using namespace zofar;

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::Pieces pieces(fuzz::Bytes(data, size));
    const std::string_view a = pieces.Next();
    const std::string_view b = pieces.Next();
    const std::string_view c = pieces.Rest();

    const int ab = Sign(CompareGeneral(a, b));
    const int bc = Sign(CompareGeneral(b, c));
    const int ac = Sign(CompareGeneral(a, c));
    fuzz::Check(CompareGeneral(a, a) == 0, "a text is not equivalent to itself");
    fuzz::Check(Sign(CompareGeneral(b, a)) == -ab, "the order is not antisymmetric");
    fuzz::Check(Sign(CompareGeneral(c, b)) == -bc, "the order is not antisymmetric");
    if (ab <= 0 && bc <= 0) fuzz::Check(ac <= 0 && (ac < 0 || (ab == 0 && bc == 0)), "the order is not transitive");
    if (ab >= 0 && bc >= 0) fuzz::Check(ac >= 0 && (ac > 0 || (ab == 0 && bc == 0)), "the order is not transitive");
    if (ab == 0) fuzz::Check(ac == bc, "equivalent texts order otherwise against a third");
    if (EqualIgnoringCase(a, b)) fuzz::Check(ab == 0, "texts that differ only in letter case are not equivalent");
    return 0;
}
