// The program's command codes: the "what" of every command message, four
// characters with the first in the most significant byte. Each is defined
// here once and used by whoever sends or handles it.
#ifndef COMMANDS_H
#define COMMANDS_H

#include <SupportDefs.h>

enum : uint32 {
	ADDF = 'ADDF', // "Aggiungi...": show the add-files panel
	CLOS = 'CLOS', // "Esci" button and menu item: quit the application
	DCOA = 'DCOA', // check box "DontCloseOnAdd"
	DCOO = 'DCOO', // check box "DontClearOnOpen"
	ENCD = 'ENCD', // "Codifica!": start an encoding run
	LOCG = 'LOCG', // "Sfoglia...": show the encoder location panel
	LOCM = 'LOCM', // text of "EncoderLocation" changed
	LOGP = 'LOGP', // encoder location panel confirmed ("refs")
	MVDN = 'MVDN', // "Sposta giù"
	MVUP = 'MVUP', // "Sposta su"
	NWLS = 'NWLS', // "Nuova": clear the list
	OLPM = 'OLPM', // list open panel confirmed ("refs")
	OPLS = 'OPLS', // "Apri...": show the list open panel
	PENC = 'PENC', // "Codifiche contemporanee:" item chosen ("count", int32)
	PROG = 'PROG', // time to show how far the run has come
	RDME = 'RDME', // "Leggimi": open the readme
	REMV = 'REMV', // "Rimuovi": remove the selected files
	RMTN = 'RMTN', // "Installa tipo MIME ora"
	SKIP = 'SKIP', // "Salta file" or "Salta": end one encoder ("slot", int32, 0 if none)
	SLPM = 'SLPM', // list save panel confirmed ("directory", "name")
	SRMT = 'SRMT', // check box "SelfRegisterMIMEType"
	STOP = 'STOP', // "Ferma codifica": stop the encoding run
	SVLS = 'SVLS', // "Salva...": show the list save panel
	UMTN = 'UMTN', // "Cancella tipo MIME ora"
};

// Four-character literals are packed as the compiler likes: the codes must
// come out as the values the program's messages carry.
static_assert(ADDF == 0x41444446 && CLOS == 0x434C4F53 && DCOA == 0x44434F41 &&
              DCOO == 0x44434F4F && ENCD == 0x454E4344 && LOCG == 0x4C4F4347 &&
              LOCM == 0x4C4F434D && LOGP == 0x4C4F4750 && MVDN == 0x4D56444E &&
              MVUP == 0x4D565550 && NWLS == 0x4E574C53 && OLPM == 0x4F4C504D &&
              OPLS == 0x4F504C53 && PENC == 0x50454E43 && PROG == 0x50524F47 &&
              RDME == 0x52444D45 && REMV == 0x52454D56 && RMTN == 0x524D544E &&
              SKIP == 0x534B4950 && SLPM == 0x534C504D && SRMT == 0x53524D54 &&
              STOP == 0x53544F50 && SVLS == 0x53564C53 && UMTN == 0x554D544E);

#endif // COMMANDS_H
