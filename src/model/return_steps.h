// The handlers of the return, each as the wizard's page runs it: what it
// stores in the ledger, what it shows and, when run live, what it tells the
// person. They run inside a forward pass.
#pragma once

#include "allowances.h"
#include "attachment.h"
#include "return_pass.h"

namespace model::steps {

// Income and expenses.
void salary(Pass &pass, tax::Person who);                 // ch1mExit, ch1fExit
void incomeAmount(Pass &pass, tax::Person who, Field taxpayerField); // ch2mExit, ch3mExit and the spouse's
void leaveIncomePage(Pass &pass);                         // Okbut1Click

// Allowances.
void enterAllowances(Pass &pass);                         // Okbut2Click
void children(Pass &pass, tax::Person who);               // ch4mExit, ch4fExit
void cappedItem(Pass &pass, tax::Person who, tax::CappedItem item); // ch6 to ch8
void socialSecurity(Pass &pass, tax::Person who);         // ch9mExit, ch9fExit
void donation(Pass &pass, tax::Person who);               // ch10mExit, ch10fExit
void answer(Pass &pass);                                  // ok2Click, can2Click

// The attachment and its severance panel.
void yearsOfWork(Pass &pass, std::size_t row);            // year1Exit to year4Exit
void attachmentItem(Pass &pass, tax::Person who, tax::AttachmentItem item); // ch11 to ch14
void openSeverancePanel(Pass &pass);                      // computebuttonClick
void severanceSalary(Pass &pass, tax::Person who);        // com1mExit, com1fExit
void severanceYears(Pass &pass, tax::Person who);         // com2mExit, com2fExit
void expenseYears(Pass &pass, tax::Person who);           // com5mExit, com5fExit
void closeSeverancePanel(Pass &pass);                     // BitBtn5Click
void withholding(Pass &pass, tax::Person who);            // ch15mExit, ch15fExit

// The tax computation and the refund request.
void openTaxComputation(Pass &pass);                      // BitBtn6Click
void taxpayerCredits(Pass &pass);                         // ch16mExit
void spouseCredits(Pass &pass);                           // ch16fExit
void openRefundRequest(Pass &pass);                       // lastbitClick

} // namespace model::steps

namespace model {

// Runs the handler of a field's exit (a pair's handler for either person) or
// of a step button's click.
void runExit(Pass &pass, Field field);
void runClick(Pass &pass, Step step);

} // namespace model
