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
	RDME = 'RDME', // "Leggimi": open the readme
	REMV = 'REMV', // "Rimuovi": remove the selected files
	RMTN = 'RMTN', // "Installa tipo MIME ora"
	SKIP = 'SKIP', // "Salta file": skip the file being encoded
	SLPM = 'SLPM', // list save panel confirmed ("directory", "name")
	SRMT = 'SRMT', // check box "SelfRegisterMIMEType"
	STOP = 'STOP', // "Ferma codifica": stop the encoding run
	SVLS = 'SVLS', // "Salva...": show the list save panel
	UMTN = 'UMTN', // "Cancella tipo MIME ora"
};

#endif // COMMANDS_H
