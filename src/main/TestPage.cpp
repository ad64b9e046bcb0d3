// The Test page: sending the simulated inputs to the relay.
#include "link/CommSetup.h"
#include "wire/Requests.h"
#include "main/Main.h"

// Queues the simulation request; the message is built from the page's controls when it is sent.
void TForm1::SimParamTx() {
  if (Form2) Form2->AddToCommsQue(wire::ReqSimulation);
}
