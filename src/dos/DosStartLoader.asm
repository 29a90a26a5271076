; Starts a DOS program with its working folder and its command tail read from a file, so
; that nothing of the tail passes through the shell.
;   ZELSTART.COM Y:\ZELSTART.DAT
; The file: byte 0 the working drive (0 = A:), from 1 the working folder, from 128 the
; program (both zero-terminated), from 256 the command tail (count, text, CR).
        cpu 8086
        org 100h

DATA_SIZE       equ 384
STACK_SIZE      equ 512

start:
        mov sp, stack_top
        mov bx, (image_end - $$ + 100h + DATA_SIZE + STACK_SIZE + 15) >> 4
        mov ah, 4Ah                     ; keep only what the loader needs, for the program
        int 21h

        mov si, 81h                     ; our own tail names the file
.blank: lodsb
        cmp al, ' '
        je .blank
        lea dx, [si-1]
.name:  cmp al, ' '
        jbe .named
        lodsb
        jmp .name
.named: mov byte [si-1], 0

        mov ax, 3D00h
        int 21h
        jc fail
        mov bx, ax
        mov ah, 3Fh
        mov cx, DATA_SIZE
        mov dx, buffer
        int 21h
        pushf
        mov ah, 3Eh
        int 21h
        popf
        jc fail

        mov dl, [buffer]
        mov ah, 0Eh
        int 21h
        cmp byte [buffer+1], 0
        je .fcbs
        mov dx, buffer+1
        mov ah, 3Bh
        int 21h
        jc fail

.fcbs:  mov si, buffer+257              ; the first two words of the tail, as DOS would
        mov di, 5Ch
        mov ax, 2901h
        int 21h
        mov di, 6Ch
        mov ax, 2901h
        int 21h

        mov [block+4], cs
        mov [block+8], cs
        mov [block+12], cs
        mov dx, buffer+128
        mov bx, block
        mov ax, 4B00h
        int 21h
        cli                             ; DOS may not give the stack back
        mov ax, cs
        mov ss, ax
        mov sp, stack_top
        sti
        mov ds, ax
        mov es, ax
        jc fail
        mov ah, 4Dh
        int 21h
        mov ah, 4Ch
        int 21h

fail:   mov dx, message
        mov ah, 09h
        int 21h
        mov ax, 4C01h
        int 21h

message db 'A program nem indithato.', 13, 10, '$'
block   dw 0                            ; the caller's environment
        dw buffer+256, 0
        dw 5Ch, 0
        dw 6Ch, 0

image_end:
buffer          equ image_end
stack_top       equ image_end + DATA_SIZE + STACK_SIZE
