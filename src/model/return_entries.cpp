// A return's entries as a new wizard holds them, and the spouse columns of
// each status.
#include "return_entries.h"

namespace model {

using tax::MaritalStatus;

ReturnEntries::ReturnEntries()
{
    for (std::size_t i = 0; i < kFieldCount; ++i)
        texts[i] = std::string(initialText(Field(i)));
}

bool spouseIncomeEntered(MaritalStatus status)
{
    return status == MaritalStatus::married3 || status == MaritalStatus::married4;
}

bool spouseAllowancesEntered(MaritalStatus status)
{
    return status == MaritalStatus::married4;
}

bool spouseAttachmentEntered(MaritalStatus status)
{
    return status == MaritalStatus::married3 || status == MaritalStatus::married4;
}

bool spouseTaxEntered(MaritalStatus status)
{
    return status == MaritalStatus::married4;
}

} // namespace model
