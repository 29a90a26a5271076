; The stand-in accounting program's DOS twin, for DOSBox. Copied to A97.EXE, B2017.EXE and
; the like, it takes its product and year from its own name, keeps DATA\<stem>.001 (A) or
; .004 (B) open with exclusive sharing while it runs, writes STANDIN.LOG (its name, tail and
; folder) first, and understands PRN:<folder>, /NYOMTAT=n (print n lists, n 0 to 9),
; /KARAKTER (print two jobs on the printer port) and /KILEP (end once printed). Otherwise it
; waits for a key: 1 prints a list, any other ends.
;
; The image is addressed from the start of the file: the header gives CS and SS as -2
; paragraphs, so that offsets equal file offsets.
        cpu 8086
        org 0

HEADER_SIZE     equ 32
STACK_SIZE      equ 1024
WORK_SIZE       equ 512

        db 'MZ'
        dw (file_end - $$) % 512
        dw (file_end - $$ + 511) / 512
        dw 0                            ; relocations
        dw HEADER_SIZE / 16
        dw (WORK_SIZE + STACK_SIZE) / 16 + 1
        dw 0FFFFh
        dw 0FFFEh                       ; SS
        dw stack_top                    ; SP
        dw 0
        dw start                        ; IP
        dw 0FFFEh                       ; CS
        dw 1Ch
        dw 0
        times HEADER_SIZE - ($ - $$) db 0

start:
        mov ax, cs
        mov ds, ax
        mov [psp], es
        call find_own_name
        call read_name
        call write_log
        jc quit_error
        call hold_lock
        call read_tail

        mov cl, [print_count]
.print: or cl, cl
        jz .printed
        push cx
        call print_list
        pop cx
        dec cl
        jmp .print
.printed:
        cmp byte [port_flag], 0
        je .port
        call print_port
.port:  cmp byte [quit_flag], 0
        jne quit
.key:   xor ah, ah
        int 16h
        cmp al, '1'
        jne quit
        call print_list
        jmp .key

quit:   mov ax, 4C00h
        int 21h
quit_error:
        mov ah, 09h
        int 21h
        mov ax, 4C02h
        int 21h

; ES:SI := the full path of this program, from the end of its environment.
find_own_name:
        mov es, [psp]
        mov es, [es:2Ch]
        xor di, di
.scan:  cmp word [es:di], 0
        je .found
        inc di
        jmp .scan
.found: add di, 4
        mov [own_path], di
        mov [own_path+2], es
        ret

; Product letter, year digits and the data lock name, from the base name.
read_name:
        push ds
        lds si, [own_path]
        mov bx, si
.last:  lodsb
        or al, al
        jz .base
        cmp al, '\'
        je .mark
        cmp al, ':'
        jne .last
.mark:  mov bx, si
        jmp .last
.base:  mov si, bx
        pop ds
        push ds
        mov ax, ds
        mov es, ax
        mov ax, [own_path+2]
        mov ds, ax
        mov di, base_name
        mov cx, 12
.copy:  lodsb
        cmp al, 'a'
        jb .upper
        cmp al, 'z'
        ja .upper
        sub al, 20h
.upper: stosb
        or al, al
        jz .copied
        loop .copy
        mov byte [es:di], 0
.copied:
        pop ds

        mov dx, bad_name
        mov al, [base_name]
        cmp al, 'A'
        je .letter
        cmp al, 'B'
        jne .bad
.letter:
        mov [product], al
        mov si, base_name+1
        xor cx, cx
.digit: mov al, [si]
        cmp al, '.'
        je .counted
        cmp al, '0'
        jb .bad
        cmp al, '9'
        ja .bad
        inc si
        inc cx
        jmp .digit
.counted:
        mov ax, [si-2]                  ; the last two digits
        mov [year2], ax
        cmp cx, 4
        je .four
        cmp cx, 2
        jne .bad
        mov word [year4], '19'
        cmp byte [base_name+1], '9'
        je .century
        mov word [year4], '20'
.century:
        mov [year4+2], ax
        mov si, stem_zelkor             ; 1997 to 1999
        cmp byte [product], 'A'
        je .two
        mov si, stem_ber
.two:   cmp word [year2], '96'
        jne .stem
        mov si, stem_vormak
        cmp byte [product], 'A'
        je .stem
        mov si, stem_ber
        jmp .stem
.four:  mov ax, [base_name+1]
        mov [year4], ax
        mov ax, [base_name+3]
        mov [year4+2], ax
        mov si, stem_zel
        cmp byte [product], 'A'
        je .stem4
        mov si, stem_ber
.stem4: mov bx, year4
        mov cx, 4
        jmp .build
.stem:  mov bx, year2
        mov cx, 2
.build: mov ax, ds
        mov es, ax
        mov di, lock_stem
        call copy_z
        mov si, bx
        rep movsb
        mov si, lock_001
        cmp byte [product], 'A'
        je .ext
        mov si, lock_004
.ext:   call copy_z
        mov byte [di], 0
        ret
.bad:   pop ax                          ; leave through the caller
        jmp quit_error

; Copies the zero-terminated DS:SI to ES:DI, without the zero; DI stays after it.
copy_z: lodsb
        or al, al
        jz .done
        stosb
        jmp copy_z
.done:  ret

; STANDIN.LOG: the program's path, its command tail and its folder, closed at once.
write_log:
        mov ah, 3Ch
        xor cx, cx
        mov dx, log_name
        int 21h
        mov dx, no_log
        jc .fail
        mov bx, ax
        mov dx, log_program
        mov cx, log_program_size
        call write
        push ds
        lds dx, [own_path]
        mov si, dx
        xor cx, cx
.len:   lodsb
        or al, al
        jz .counted
        inc cx
        jmp .len
.counted:
        mov ah, 40h
        int 21h
        pop ds
        mov dx, log_tail
        mov cx, log_tail_size
        call write
        push ds
        mov ds, [psp]
        mov cl, [80h]
        xor ch, ch
        mov dx, 81h
        mov ah, 40h
        int 21h
        pop ds
        mov dx, log_dir
        mov cx, log_dir_size
        call write
        mov ah, 19h
        int 21h
        add al, 'A'
        mov [folder], al
        mov word [folder+1], ':\'
        mov si, folder+3
        xor dl, dl
        mov ah, 47h
        int 21h
        mov dx, folder
        mov di, dx
        xor cx, cx
.dirlen:
        cmp byte [di], 0
        je .dirdone
        inc di
        inc cx
        jmp .dirlen
.dirdone:
        call write
        mov dx, crlf
        mov cx, 2
        call write
        mov ah, 3Eh
        int 21h
        clc
.fail:  ret

write:  mov ah, 40h
        int 21h
        ret

; DATA\<stem>.00x, opened for reading and writing with exclusive sharing, never closed.
hold_lock:
        mov dx, data_folder
        mov ah, 39h
        int 21h
        mov dx, lock_name
        mov ax, 3D12h
        int 21h
        jnc .held
        cmp ax, 2
        jne .running
        mov ah, 3Ch
        xor cx, cx
        int 21h
        jc .running
        mov bx, ax
        mov ah, 3Eh
        int 21h
        mov ax, 3D12h
        int 21h
        jc .running
.held:  mov [lock_handle], ax
        ret
.running:
        mov dx, running
        pop ax
        jmp quit_error

; The tail, upper-cased, searched for the words this program knows.
read_tail:
        push ds
        mov ax, ds
        mov es, ax
        mov ds, [psp]
        mov si, 81h
        mov di, tail
        mov cl, [80h]
        xor ch, ch
.copy:  jcxz .copied
        lodsb
        cmp al, 'a'
        jb .keep
        cmp al, 'z'
        ja .keep
        sub al, 20h
.keep:  stosb
        dec cx
        jmp .copy
.copied:
        pop ds
        mov byte [di], 0

        mov bx, word_kilep
        call find_word
        jc .nokilep
        mov byte [quit_flag], 1
.nokilep:
        mov bx, word_karakter
        call find_word
        jc .noport
        mov byte [port_flag], 1
.noport:
        mov bx, word_nyomtat
        call find_word
        jc .nocount
        mov al, [si]
        sub al, '0'
        cmp al, 9
        ja .nocount
        mov [print_count], al
.nocount:
        mov bx, word_prn
        call find_word
        jc .done
        mov ax, ds
        mov es, ax
        mov di, print_path
.path:  lodsb
        cmp al, ' '
        jbe .pathend
        stosb
        jmp .path
.pathend:
        mov al, '\'
        stosb
        mov [print_name], di
        mov si, print_template
        call copy_z
        mov al, [product]
        stosb
        mov ax, [year2]
        stosw
        mov byte [di], 0
        mov byte [has_prn], 1
.done:  ret

; SI := just after the zero-terminated word at BX in the tail; carry when it is not there.
find_word:
        mov di, tail
.try:   cmp byte [di], 0
        je .none
        mov si, di
        push bx
.cmp:   mov al, [bx]
        or al, al
        jz .hit
        cmp al, [si]
        jne .miss
        inc bx
        inc si
        jmp .cmp
.miss:  pop bx
        inc di
        jmp .try
.hit:   pop bx
        clc
        ret
.none:  stc
        ret

; One list, as WS0001.<letter><yy> or the first free number after it.
print_list:
        cmp byte [has_prn], 0
        je .done
        mov di, [print_name]
        mov word [di+4], '01'
.again: mov dx, print_path
        mov ah, 5Bh
        xor cx, cx
        int 21h
        jnc .open
        mov di, [print_name]
        inc byte [di+5]
        cmp byte [di+5], '9'
        jbe .again
        mov byte [di+5], '0'
        inc byte [di+4]
        cmp byte [di+4], '9'
        jbe .again
        ret
.open:  mov bx, ax
        mov dx, list_head
        mov cx, list_head_size
        call write
        mov dx, year4
        mov cx, 4
        call write
        mov dx, list_body
        mov cx, list_body_size
        call write
        mov ah, 3Eh
        int 21h
.done:  ret

; Two jobs on the printer port, as a program in character mode prints. The first through the
; BIOS: a heading on LPT1, every byte value on LPT2, a form feed. Five seconds of silence.
; The second through DOS: LPT1 and prn opened by name, stdprn, and function 05h's form feed.
print_port:
        xor dx, dx
        mov si, port_head
        mov cx, port_head_size
.head:  lodsb
        xor ah, ah
        int 17h
        loop .head
        inc dx
        xor bl, bl
.all:   mov al, bl
        xor ah, ah
        int 17h
        inc bl
        jnz .all
        mov al, 0Ch
        xor ah, ah
        int 17h

        push es
        xor ax, ax
        mov es, ax
        mov bx, [es:46Ch]
.pause: sti
        hlt
        mov ax, [es:46Ch]
        sub ax, bx
        cmp ax, 91                      ; ticks of 55 ms
        jb .pause
        pop es

        mov dx, port_lpt1
        call print_named
        mov dx, port_prn
        call print_named
        mov bx, 4
        mov dx, port_stdprn
        mov cx, port_stdprn_size
        call write
        mov dl, 0Ch
        mov ah, 05h
        int 21h
        ret

; Opens the device named at DX and writes its name and a line end to it.
print_named:
        mov ax, 3D01h
        int 21h
        jc .done
        mov bx, ax
        mov di, dx
        xor cx, cx
.len:   cmp byte [di], 0
        je .counted
        inc di
        inc cx
        jmp .len
.counted:
        call write
        mov dx, crlf
        mov cx, 2
        call write
        mov ah, 3Eh
        int 21h
.done:  ret

bad_name        db 'A program neve nem A97.EXE vagy B2017.EXE alaku.', 13, 10, '$'
no_log          db 'A STANDIN.LOG nem irhato.', 13, 10, '$'
running         db 'A program ezen a helyen mar fut.', 13, 10, '$'
stem_vormak     db 'VORMAK', 0
stem_zelkor     db 'ZELKOR', 0
stem_zel        db 'ZEL', 0
stem_ber        db 'BER', 0
lock_001        db '.001', 0
lock_004        db '.004', 0
log_name        db 'STANDIN.LOG', 0
data_folder     db 'DATA', 0
word_kilep      db '/KILEP', 0
word_nyomtat    db '/NYOMTAT=', 0
word_karakter   db '/KARAKTER', 0
port_lpt1       db 'LPT1', 0
port_prn        db 'prn', 0
port_head       db 1Bh, '@', 'Karakteres nyomtat', 0A0h, 's', 13, 10
port_head_size  equ $ - port_head
port_stdprn     db 'stdprn', 13, 10
port_stdprn_size equ $ - port_stdprn
word_prn        db 'PRN:', 0
print_template  db 'WS0001.', 0
crlf            db 13, 10
log_program     db 'PROGRAM='
log_program_size equ $ - log_program
log_tail        db 13, 10, 'TAIL=['
log_tail_size   equ $ - log_tail
log_dir         db ']', 13, 10, 'DIR='
log_dir_size    equ $ - log_dir
list_head       db 0ADh, '0', 'F', 93h, 'k', 94h, 'nyvi kivonat (DOS)', 0ADh, '1', '00:00'
                db 0ADh, '2', '1', 0ADh, '3'
list_head_size  equ $ - list_head
list_body       db 0ADh, '4', '1', 13, 10
                db 0ADh, 'K', 'ZELKOR ', 0ADh, 'k', 'DOS-os helyettes', 13, 10
                db 'Sz', 0A0h, 'mla  Megnevez', 82h, 's', 13, 10
                db '1411  M', 0FBh, 'szaki berendez', 82h, 'sek       250 000', 13, 10
                db '4710  Fizetend', 8Bh, ' b', 82h, 'rek           182 000', 13, 10
                db 0ADh, 'C', 'T', 94h, 'm', 94h, 'r', 0ADh, 'c', 13, 10
list_body_size  equ $ - list_body

psp             dw 0
own_path        dd 0
lock_handle     dw 0
product         db 0
year2           dw 0
year4           db '0000'
print_count     db 0
quit_flag       db 0
port_flag       db 0
has_prn         db 0
print_name      dw 0
lock_name:
                db 'DATA\'
lock_stem       times 20 db 0
base_name       times 14 db 0
file_end:

work            equ file_end
folder          equ work                ; "C:\" and 64 characters
tail            equ work + 80           ; 128
print_path      equ work + 208          ; 128 and the name
stack_top       equ file_end + WORK_SIZE + STACK_SIZE
