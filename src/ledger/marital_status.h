// The marital status of a return, chosen on the personal data page.
#pragma once

namespace tax {

enum class MaritalStatus {
    single,   // โสด
    widow,    // หม้าย
    married1, // spouse without income
    married2, // spouse with income; marriage, divorce or death within the tax year
    married3, // spouse with income, tax computed jointly
    married4, // spouse with income, computed separately, filed on the same return
    married5, // spouse with income, computed separately, filed on separate returns
};

} // namespace tax
