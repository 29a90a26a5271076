; Stays resident in DOSBox and sends whatever a program prints out through the fourth
; serial port, where DOSBox's null modem hands it to the launcher's print relay. DOSBox
; swallows LPT1 and PRN, knows no LPT2 or LPT3, and shows handle 4 (stdprn) on the screen.
;   ZELPRN.COM
; Caught: int 17h functions 0 to 2 for printers 0 to 2; int 21h function 05h; writes to
; handles opened as PRN or LPT1 to LPT3 (any folder, any extension), and to stdprn.
; Such handles are opened as NUL, and marked by their system file table entry, so that
; duplicates and children's inherited handles are caught too.
        cpu 8086
        org 100h

PORT            equ 2E8h
PORT_LSR        equ PORT + 5
LSR_THRE        equ 20h
LSR_TEMT        equ 40h
PRINTER_READY   equ 90h                 ; selected, not busy

start:  jmp install

old17   dd 0
old21   dd 0
sent    db 0                            ; something left since the last drain
marks   times 32 db 0                   ; one bit per system file table entry
nul     db 'NUL', 0
names   db 'PRN', 0, 'LPT1', 0, 'LPT2', 0, 'LPT3', 0, 0

int17:  cmp dx, 2
        ja .chain
        cmp ah, 2
        ja .chain
        or ah, ah
        jnz .ready
        call send
.ready: mov ah, PRINTER_READY
        iret
.chain: jmp far [cs:old17]

int21:  cmp ah, 40h
        je write
        cmp ah, 05h
        je char
        cmp ah, 3Ch
        je open
        cmp ah, 3Dh
        je open
        cmp ah, 5Bh
        je open
        cmp ah, 6Ch
        je open
        cmp ah, 4Ch
        je ending
        cmp ah, 31h
        je ending
        or ah, ah
        jz ending
chain:  jmp far [cs:old21]

char:   push ax
        mov al, dl
        call send
        pop ax
        iret

ending: call drain
        jmp chain

write:  push ax
        push bx
        call entry_of
        call marked
        pop bx
        pop ax
        jz chain
        push si
        push cx
        mov si, dx
        jcxz .done
.byte:  lodsb
        call send
        loop .byte
.done:  pop cx
        pop si
        mov ax, cx
        clc
        retf 2

; Opens a printer name as NUL and marks its entry; any other open clears the mark of the
; entry it gets, which may have been a printer's before.
open:   push si
        cmp ah, 6Ch
        je .named
        mov si, dx
.named: call printer_name
        pop si
        jnc .other
        push dx
        push si
        push ds
        cmp ah, 6Ch
        je .ext
        mov dx, nul
        jmp .call
.ext:   mov si, nul
.call:  push cs
        pop ds
        pushf
        call far [cs:old21]
        pop ds
        pop si
        pop dx
        jc .done
        push ax
        push bx
        mov bx, ax
        call entry_of
        call mark
        pop bx
        pop ax
        clc
.done:  retf 2
.other: pushf
        call far [cs:old21]
        jc .done
        push ax
        push bx
        mov bx, ax
        call entry_of
        call unmark
        pop bx
        pop ax
        clc
        retf 2

; AL := the system file table entry of handle BX in the running program, FFh for none.
entry_of:
        push es
        push di
        mov di, bx
        mov ah, 62h
        pushf
        call far [cs:old21]
        mov es, bx
        mov al, 0FFh
        cmp di, [es:32h]
        jae .none
        les bx, [es:34h]
        mov al, [es:bx+di]
.none:  pop di
        pop es
        ret

; BX := byte of the entry AL in marks, AH := its bit.
bit_of: push cx
        mov cl, al
        and cl, 7
        mov ah, 1
        shl ah, cl
        mov cl, 3
        mov bl, al
        xor bh, bh
        shr bx, cl
        pop cx
        ret

; ZF clear when entry AL is marked; FFh never is.
marked: cmp al, 0FFh
        je .no
        call bit_of
        test [cs:marks+bx], ah
        ret
.no:    cmp al, al
        ret

mark:   call bit_of
        or [cs:marks+bx], ah
        ret

unmark: call bit_of
        not ah
        and [cs:marks+bx], ah
        ret

; Carry when the zero-terminated DS:SI names a printer: its last part before any
; extension is PRN or LPT1 to LPT3; "LPT1:" counts too.
printer_name:
        push ax
        push bx
        push di
        mov bx, si                      ; start of the last part
        mov di, si
.scan:  mov al, [di]
        or al, al
        jz .end
        inc di
        cmp al, '\'
        je .part
        cmp al, '/'
        je .part
        cmp al, ':'
        jne .scan
        cmp byte [di], 0                ; a device's trailing colon
        je .colon
.part:  mov bx, di
        jmp .scan
.colon: dec di
.end:   mov si, names
.try:   cmp byte [cs:si], 0
        je .no
        push bx
.cmp:   mov al, [bx]
        cmp al, 'a'
        jb .upper
        cmp al, 'z'
        ja .upper
        sub al, 20h
.upper: mov ah, [cs:si]
        or ah, ah
        jz .whole
        cmp al, ah
        jne .next
        inc bx
        inc si
        jmp .cmp
.whole: cmp bx, di                      ; the name ends here, or its extension begins
        je .yes
        cmp al, '.'
        je .yes
.next:  pop bx
.skip:  inc si
        cmp byte [cs:si-1], 0
        jne .skip
        jmp .try
.yes:   pop bx
        stc
        jmp .out
.no:    clc
.out:   pop di
        pop bx
        pop ax
        ret

; Sends AL when the port takes it; a port that never does loses it rather than hang DOS.
send:   push ax
        push cx
        push dx
        mov ah, al
        mov dx, PORT_LSR
        mov cx, 0FFFFh
.wait:  in al, dx
        test al, LSR_THRE
        loopz .wait
        mov al, ah
        mov dx, PORT
        out dx, al
        mov byte [cs:sent], 1
        pop dx
        pop cx
        pop ax
        ret

; Waits until the port has sent everything: DOSBox ends with the program.
drain:  cmp byte [cs:sent], 0
        je .done
        push ax
        push cx
        push dx
        mov dx, PORT_LSR
        mov cx, 0FFFFh
.wait:  in al, dx
        test al, LSR_TEMT
        loopz .wait
        mov byte [cs:sent], 0
        pop dx
        pop cx
        pop ax
.done:  ret

resident_end:

install:
        mov dx, PORT + 3                ; 115200 baud, 8 bits, no parity, 1 stop bit
        mov al, 80h
        out dx, al
        mov dx, PORT
        mov al, 1
        out dx, al
        inc dx
        xor al, al
        out dx, al
        mov dx, PORT + 3
        mov al, 3
        out dx, al
        mov dx, PORT + 1                ; no interrupts
        xor al, al
        out dx, al
        mov dx, PORT + 4                ; DTR and RTS
        mov al, 3
        out dx, al
        xor ax, ax                      ; programs see no port they did not have
        mov es, ax
        mov word [es:406h], 0

        les bx, [34h]                   ; stdprn as the shell hands it on
        mov al, [es:bx+4]
        cmp al, 0FFh
        je .hooks
        call mark
.hooks: mov ax, 3517h
        int 21h
        mov [old17], bx
        mov [old17+2], es
        mov ax, 3521h
        int 21h
        mov [old21], bx
        mov [old21+2], es
        mov dx, int17
        mov ax, 2517h
        int 21h
        mov dx, int21
        mov ax, 2521h
        int 21h

        mov es, [2Ch]
        mov ah, 49h
        int 21h
        mov dx, (resident_end - $$ + 100h + 15) >> 4
        mov ax, 3100h
        int 21h
