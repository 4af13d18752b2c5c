#include "TwainFailure.h"

#include "TwainNames.h"

std::string TwainFailure::Text() const
{
    std::string s = TripletText(dg, dat, msg);
    if (!about.empty()) s += " (" + about + ")";
    s += " failed: " + ReturnCodeName(rc);
    s += haveCc ? ", " + ConditionCodeName(cc) : std::string(", condition code not available");
    return s;
}
